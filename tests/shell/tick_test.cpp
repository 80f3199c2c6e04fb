#include "shell/tick.h"

#include <gtest/gtest.h>

#include "shell/startup.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using test::TestGame;

struct Started : TestGame {
  Started() {
    test::installWorld(dir);
    dir.write("names.txt", "Ash\nBirch\nCedar\n");
    EXPECT_TRUE(startGame(g(), 1));
  }
};

TEST(Tick, FirstTickLaysOutShowsAndSelects) {
  Started t;
  Game& g = t.g();
  EXPECT_EQ(g.startupCountdown, 1);
  EXPECT_FALSE(t.platform->isVisible(WindowId::Log));
  timer1Timer(g);
  EXPECT_EQ(g.startupCountdown, -1);
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    EXPECT_TRUE(t.platform->isVisible(w));
  // Windows are placed first, then shown, in table order.
  std::vector<std::string> expected = {"bounds Us 412,0,424,137",
                                       "bounds Them 412,424,424,137",
                                       "bounds Names 4,686,152,412",
                                       "bounds Log 4,0,152,412",
                                       "show Us",
                                       "show Them",
                                       "show Names",
                                       "show Log"};
  std::vector<std::string> got;
  for (const auto& c : t.platform->calls)
    if (c.rfind("bounds", 0) == 0 || c.rfind("show", 0) == 0) got.push_back(c);
  EXPECT_EQ(got, expected);
  // Seed 1: the first draw of Random(3) is 0 (seed becomes 134775814).
  EXPECT_EQ(g.names.selected, 0);
  EXPECT_EQ(t.platform->paints, 1);
}

// The first tick lays out the windows and runs no turn step even in a
// running fight; a paused fight keeps its phase and its done flag.
TEST(Tick, NoTurnStepOnTheFirstTickNorInAPausedFight) {
  for (const bool first : {true, false}) {
    Started t;
    Game& g = t.g();
    if (!first) timer1Timer(g);
    g.turnCounter = 1;
    g.turnPhase = 3;
    g.phaseDone = true;
    g.fightRunning = first;
    timer1Timer(g);
    EXPECT_EQ(std::make_tuple(g.turnPhase, g.phaseDone), std::make_tuple(3, true)) << first;
  }
}

// The name made up for a list without names draws on a generator of its own.
TEST(Tick, AGameWithoutNamesStillOffersOne) {
  test::TestGame t;
  test::installWorld(t.dir);
  ASSERT_TRUE(startGame(t.g(), 7));
  ASSERT_EQ(t.g().names.lines.size(), 1u);
  EXPECT_FALSE(t.g().names.lines[0].empty());
  EXPECT_EQ(t.g().rng.seed, 7u);
}

}  // namespace
}  // namespace vorlund

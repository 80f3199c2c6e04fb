#include "shell/tick.h"

#include <gtest/gtest.h>

#include "shell/startup.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

// The first tick lays out the windows and runs no turn step, even in a
// running fight (a paused fight is played in a scenario).
TEST(Tick, FirstTickLaysOutShowsAndSelectsAndStepsNoFight) {
  test::TestGame t;
  test::installWorld(t.dir);
  t.dir.write("names.txt", "Ash\nBirch\nCedar\n");
  Game& g = t.g();
  ASSERT_TRUE(startGame(g, 1));
  EXPECT_EQ(g.startupCountdown, 1);
  std::tie(g.turnCounter, g.turnPhase, g.phaseDone, g.fightRunning) =
      std::tuple(1, TurnPhase::Movement, true, true);
  timer1Timer(g);
  EXPECT_EQ(std::make_tuple(g.startupCountdown, g.turnPhase, g.phaseDone),
            std::make_tuple(-1, TurnPhase::Movement, true));
  // Windows are placed first, then shown, in table order (none before).
  std::string got;
  for (const auto& c : t.platform->calls)
    if (c.rfind("bounds", 0) == 0 || c.rfind("show", 0) == 0) got += c + "; ";
  EXPECT_EQ(got,
            "bounds Us 412,0,424,137; bounds Them 412,424,424,137; bounds Names 4,686,152,412; "
            "bounds Log 4,0,152,412; show Us; show Them; show Names; show Log; ");
  // Seed 1: the first draw of Random(3) is 0 (seed becomes 134775814).
  EXPECT_EQ(g.names.selected(), 0);
  EXPECT_EQ(t.platform->paints, 1);
}

// The name made up for a list without names draws on a generator of its own.
TEST(Tick, AGameWithoutNamesStillOffersOne) {
  test::TestGame t;
  test::installWorld(t.dir);
  ASSERT_TRUE(startGame(t.g(), 7));
  ASSERT_EQ(t.g().names.lines().size(), 1u);
  EXPECT_FALSE(t.g().names.lines()[0].empty());
  EXPECT_EQ(t.g().rng.seed, 7u);
}

}  // namespace
}  // namespace vorlund

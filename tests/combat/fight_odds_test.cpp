// The odds of a match, counted aside from whole fights: what they leave of
// the game, how they are shared out and rounded, and the pairs they refuse.
#include "combat/fight_odds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "arena.h"
#include "combat/turn_step.h"

namespace vorlund::test {
namespace {

// Ash and Brak matched for stakes, not yet released.
struct Match : Arena {
  Match() : Arena({"Ash", "human", 12, 12, 9}, {"Brak", "human", 13, 11, 9}, true, false) {}
};

TEST(FightOdds, CountingLeavesTheGameAndItsDiceAsTheyWere) {
  Match m;
  Game& g = m.g();
  g.rng.seed = 12345;
  const Lines log = g.log.lines();
  const FightOdds odds = fightOdds(g, 200);
  EXPECT_EQ(odds.wins1 + odds.wins2 + odds.other, 200);
  EXPECT_TRUE(odds.wins1 > 0 && odds.wins2 > 0);
  // What the game is left with is played through by a scenario.
  EXPECT_EQ(std::make_tuple(g.rng.seed, g.log.lines(), g.turnCounter),
            std::make_tuple(12345u, log, 0));
  // The same game asks again: the same series, the same counts.
  EXPECT_EQ(fightOdds(g, 200), odds);
  // The series is the game's seed's own: another seed, other fights.
  g.rng.seed = 54321;
  EXPECT_NE(fightOdds(g, 200), odds);
}

TEST(FightOdds, SharesOfASeriesAddUpToTheWholeAndAStopCountsNothing) {
  Match m;
  const OddsSetup s = takeOddsSetup(m.g());
  ASSERT_EQ(s.refusal, "");
  const std::optional<FightOdds> whole = countOdds(s, 0, 60);
  ASSERT_TRUE(whole);
  FightOdds parts = countOdds(s, 0, 17).value();
  parts += countOdds(s, 17, 1).value();
  parts += countOdds(s, 18, 42).value();
  EXPECT_EQ(parts, *whole);

  std::stop_source stop;
  stop.request_stop();
  EXPECT_FALSE(countOdds(s, 0, 60, stop.get_token()));
}

// A fight in a scratch arena leaves its sheets unfilled; the fight is the
// same blow for blow.
TEST(FightOdds, HiddenSheetsChangeNothingInTheFight) {
  std::vector<std::string> logs[2];
  for (bool hidden : {false, true}) {
    Match m;
    sheetSetHidden(m.g().us, hidden);
    sheetSetHidden(m.g().them, hidden);
    const std::uint64_t filled = m.g().us.revision() + m.g().them.revision();
    releaseFighters(m.g());
    m.g().rng.seed = 77;
    playFightToEnd(m.g(), 200000);
    logs[hidden] = m.g().log.lines();
    EXPECT_TRUE(!hidden || m.g().us.revision() + m.g().them.revision() == filled)
        << "a sheet filled";
  }
  EXPECT_GT(logs[0].size(), 20u);
  EXPECT_EQ(logs[0], logs[1]);
}

TEST(FightOdds, APairThatCannotFightIsRefusedNotCountedAsASureWin) {
  Match m;
  Game& g = m.g();
  const struct {
    const char* what;
    std::function<void(Game&)> change;
    std::string refusal;
  } cases[] = {
      {"a nameless guest", [](Game& g) { slot(g, 2).Name_String = ""; },
       "there is no fighter in slot 2"},
      {"no sphere", [](Game& g) { g.world.neighbours.clear(); }, "there is no sphere to fight on"},
  };
  for (const auto& c : cases) {
    Match fresh;
    c.change(fresh.g());
    const OddsSetup s = takeOddsSetup(fresh.g());
    EXPECT_EQ(s.refusal, c.refusal) << c.what;
    EXPECT_FALSE(countOdds(s, 0, 10)) << c.what;
    EXPECT_EQ(fightOdds(fresh.g(), 10), FightOdds{}) << c.what;
  }
  // Unconscious is not dead: he can be set up, and most likely loses.
  slot(g, 1).Wounds = slot(g, 1).ST - 1;
  EXPECT_EQ(takeOddsSetup(g).refusal, "");
}

TEST(FightOdds, PercentagesTakeTheLargestRemaindersAndAddUpTo100) {
  const struct {
    FightOdds odds;
    std::array<int, 3> percent;
  } cases[] = {
      {{580, 390, 30}, {58, 39, 3}},
      {{1, 1, 1}, {34, 33, 33}},        // a tie of remainders: the one named first
      {{333, 333, 334}, {33, 33, 34}},  // the largest remainder, wherever it is
      {{5, 5, 990}, {1, 0, 99}},        // half a point each: the first
      {{999, 1, 0}, {100, 0, 0}},       // 99.9 and 0.1
      {{0, 0, 1000}, {0, 0, 100}},
      {{0, 0, 0}, {0, 0, 0}},     // nothing counted
      {{1, 2, 4}, {14, 29, 57}},  // 14.29, 28.57, 57.14
      {{6, 1, 0}, {86, 14, 0}},   // 85.71, 14.29
  };
  for (const auto& c : cases)
    EXPECT_EQ(oddsPercentages(c.odds), c.percent)
        << c.odds.wins1 << " " << c.odds.wins2 << " " << c.odds.other;
}

TEST(FightOdds, SummaryNamesBothFightersAndTheUnfinished) {
  OddsSetup s;
  s.fighters[0].Name_String = "Ash", s.fighters[1].Name_String = "Bryn Cor";
  EXPECT_EQ(oddsSummary(s, {580, 390, 30}), "Ash 58% \xC2\xB7 Bryn Cor 39% \xC2\xB7 unfinished 3%");
}

}  // namespace
}  // namespace vorlund::test

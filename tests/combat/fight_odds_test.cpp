// The odds of a match, counted aside from whole fights: what they leave of
// the game, how they are shared out and rounded, and the pairs they refuse.
#include "combat/fight_odds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>

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
  const auto fighters = g.characters;
  const auto log = g.log.lines, names = g.names.lines;
  const std::int32_t graves = g.graveyard.count;

  const FightOdds odds = fightOdds(g, 200);
  EXPECT_EQ(odds.wins1 + odds.wins2 + odds.other, 200);
  EXPECT_TRUE(odds.wins1 > 0 && odds.wins2 > 0);
  EXPECT_EQ(g.rng.seed, 12345u) << "the game's generator was drawn from";
  for (std::size_t s = 0; s < fighters.size(); ++s) {
    const TCharacterDMG &now = g.characters[s], &was = fighters[s];
    EXPECT_EQ(std::make_tuple(now.Wounds, now.Hex, now.Coin),
              std::make_tuple(was.Wounds, was.Hex, was.Coin))
        << s;
  }
  EXPECT_EQ(std::make_tuple(g.graveyard.count, g.log.lines, g.names.lines, g.turnCounter),
            std::make_tuple(graves, log, names, 0));

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
    m.g().us.hidden = m.g().them.hidden = hidden;
    const std::uint64_t filled = m.g().us.revision + m.g().them.revision;
    releaseFighters(m.g());
    m.g().rng.seed = 77;
    playFightToEnd(m.g(), 200000);
    logs[hidden] = m.g().log.lines;
    EXPECT_TRUE(!hidden || m.g().us.revision + m.g().them.revision == filled) << "a sheet filled";
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
      {"the guest dead", [](Game& g) { slot(g, 2).Wounds = slot(g, 2).ST; }, "Brak is dead"},
      {"ours long dead", [](Game& g) { slot(g, 1).Wounds = 99; }, "Ash is dead"},
      {"no fighter yet", [](Game& g) { slot(g, 1) = TCharacterDMG{}; },
       "there is no fighter in slot 1"},
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

  std::mt19937 random(7);
  std::uniform_int_distribution<int> count(0, 1000);
  for (int i = 0; i < 2000; ++i) {
    const FightOdds o{count(random), count(random), count(random)};
    if (o.wins1 + o.wins2 + o.other == 0) continue;
    const auto p = oddsPercentages(o);
    ASSERT_EQ(p[0] + p[1] + p[2], 100) << o.wins1 << " " << o.wins2 << " " << o.other;
    const std::int64_t total = o.wins1 + o.wins2 + o.other, counts[] = {o.wins1, o.wins2, o.other};
    // Never more than a point from the exact share.
    for (int k = 0; k < 3; ++k) EXPECT_LE(std::abs(p[k] * total - counts[k] * 100), total);
  }
}

TEST(FightOdds, SummaryNamesBothFightersAndTheUnfinished) {
  OddsSetup s;
  s.fighters[0].Name_String = "Ash", s.fighters[1].Name_String = "Bryn Cor";
  EXPECT_EQ(oddsSummary(s, {580, 390, 30}), "Ash 58% \xC2\xB7 Bryn Cor 39% \xC2\xB7 unfinished 3%");
}

}  // namespace
}  // namespace vorlund::test

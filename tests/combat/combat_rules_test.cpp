// Whole fights compared line for line with logs that were read through against
// the rules before they were kept (the recorded games in tests/replays play the
// rest of the rules), and the stakes paid once.
#include <gtest/gtest.h>

#include <array>

#include "arena.h"
#include "combat/action_step.h"
#include "combat/attack.h"
#include "combat/fight_odds.h"
#include "combat/grappling.h"
#include "combat/movement.h"
#include "combat/turn_step.h"
#include "management/zaps.h"
#include "support/golden.h"

namespace vorlund::test {
namespace {

using namespace std::string_literals;

class CombatRules : public ::testing::Test {
 protected:
  void SetUp() override { logClear(g().log); }
  Game& g() { return arena.g(); }
  TCharacterDMG& us() { return slot(g(), 1); }
  TCharacterDMG& them() { return slot(g(), 2); }
  const Lines& log() { return g().log.lines(); }
  Arena arena{{"Ash"}, {"Brak"}};
};

TEST_F(CombatRules, TheStakesOfAFightArePaidOnce) {
  us().Bet_value = 7, them().Bet_value = 5;
  const std::int32_t purse1 = us().Coin, purse8 = slot(g(), 8).Coin;
  applyDamage(g(), us(), them(), 100);
  EXPECT_EQ(us().Coin, purse1 + 12);
  // The player zaps his own winner before the fight is over.
  g().rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(6) - 12 >= 12; });
  logClear(g().log);
  forfitZap(g());
  ASSERT_GE(log().size(), 7U);
  EXPECT_EQ(Lines(log().begin() + 4, log().begin() + 7),
            (Lines{" killing him", "the owner of ", " wins $ 0"}));
  EXPECT_EQ(std::make_pair(slot(g(), 8).Coin, g().graveyard.count), std::make_pair(purse8, 2))
      << "nothing more is paid, but he is buried";
  // The next match has stakes of its own.
  g().turnCounter = 0;
  gambleInTheStands(g());
  const std::int32_t pot = us().Bet_value + them().Bet_value, purse2 = them().Coin;
  applyDamage(g(), them(), us(), 1000);
  EXPECT_EQ(them().Coin, purse2 + pot);
}

TEST(Practice, AfterAFightThatEndedInAClinchItEndsAtFirstBlood) {
  for (const std::uint32_t seed : {1u, 2u, 3u}) {
    Arena arena({"Ash"}, {"Brak"});
    Game& g = arena.g();
    g.turnCounter = 0, slot(g, 1).Engaged = slot(g, 2).Engaged = true;
    practiceToFirstBlood(g);
    releaseFighters(g);
    g.rng.seed = seed;
    EXPECT_LT(playFightToEnd(g, 200000), 200000) << seed;
    EXPECT_EQ(std::make_pair(g.turnCounter, g.fightToDeath), std::make_pair(0, true));
    EXPECT_GT(slot(g, 1).Wounds + slot(g, 2).Wounds, 0);
  }
}

struct GoldenCase {
  std::string name;
  std::uint32_t seed;
  bool toTheDeath;
  FighterSpec us, them;
};
void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.name;
}

class GoldenFight : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFight, LogMatchesTheReviewedFight) {
  const GoldenCase& c = GetParam();
  Arena arena(c.us, c.them, c.toTheDeath);
  arena.g().rng.seed = c.seed;
  playFightToEnd(arena.g(), 200000);
  expectGolden("fight_" + c.name + ".log", arena.g().log.lines(),
               "VORLUND_REGENERATE_GOLDEN=1 <build>/tests/combat_tests "
               "--gtest_filter='Fights/GoldenFight.*'");
}

INSTANTIATE_TEST_SUITE_P(
    Fights, GoldenFight,
    ::testing::Values(
        // Two humans to the death, neither very brave.
        GoldenCase{"death", 2, true, {"Ash", "human", 13, 11, 8}, {"Brak", "orc", 11, 13, 7}},
        // A practice bout that stops at the first wound.
        GoldenCase{
            "practice", 2, false, {"Ash", "human", 12, 12, 9}, {"Corin", "human", 12, 12, 6}},
        // A strong elf who rushes a nimble human that cannot walk away.
        GoldenCase{"tackle", 13, true, {"Tor", "elf", 14, 10, 12}, {"Pip", "human", 8, 16, 12, 0}},
        // A boa constrictor and a slow, weaker fighter.
        GoldenCase{"encoil",
                   2,
                   true,
                   {"Sss", "boa constrictor", 12, 12, 12},
                   {"Oll", "dwarf", 10, 14, 7, 4}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vorlund::test

// The rules of a fight, tried one by one on the shipped sphere, and whole
// fights compared line for line with logs that were read through against the
// rules before they were kept.
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
  void engage() {
    them().Hex = neighbourSlot(g().world, us().Hex, 1);
    us().Engaged = them().Engaged = true;
    g().fightDistance = 1;
  }
  // Closes a movement phase with both fighters still due to act.
  void closeMovement() {
    g().turnPhase = TurnPhase::Movement;
    g().listMove.clear();
    us().Act_This_Turn = them().Act_This_Turn = true;
    turnStep(g());
  }
  // One attack by us whose draws give this 3-dice roll and damage die.
  void attackWith(std::int32_t roll, std::int32_t die, std::int32_t dxAdj) {
    g().rng.seed = seedWhere([&](RandomGenerator& r) {
      r.random(20);
      return r.dice(3) == roll && r.dice(1) == die;
    });
    us().DX_adj = dxAdj;
    logClear(g().log);
    attack(g(), us(), them());
  }
  Arena arena{{"Ash"}, {"Brak"}};
};

TEST_F(CombatRules, FrightenedMoveFirstButNotOnTheFirstTurnToTheDeath) {
  them().Bravery = 1;  // below any two dice
  int usFirst = 0;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    us().Engaged_last_turn = them().Engaged_last_turn = true;  // as the set-up leaves them
    g().rng.seed = seed;
    turnStep(g());
    usFirst += g().listMove.front() == "Ash";
    turnStep(g());  // the next turn: nobody was engaged in the last one
    ASSERT_EQ(g().listMove.front(), "Brak") << seed;
  }
  EXPECT_GT(usFirst, 5);
  EXPECT_LT(usFirst, 35);
  us().Bravery = 1;  // both frightened: the one inserted last runs first
  turnStep(g());
  EXPECT_EQ(g().listMove, (Lines{"Brak", "Ash"}));
}

TEST_F(CombatRules, ActionOrderComesFromDexterity) {
  int usFirst = 0;
  for (int i = 0; i < 2000; ++i) {
    closeMovement();
    ASSERT_EQ(g().listAction.size(), 2U);
    usFirst += g().listAction.front() == "Ash";
  }
  EXPECT_NEAR(usFirst, 1000, 200);
  // A stun costs 2 once, and in a hold it stands in for the +4.
  g().fightDistance = 0;
  us().DX_next_turn = -2;
  closeMovement();
  EXPECT_EQ(std::make_pair(us().DX_adj, them().DX_adj), std::make_pair(10, 16));
  closeMovement();
  EXPECT_EQ(us().DX_adj, 16);
  // DX 2 and badly hurt: DX_adj -1, and no action at all.
  g().fightDistance = 1;
  us().DX = 2, us().Wounds = 9;
  closeMovement();
  EXPECT_EQ(std::make_pair(us().DX_adj, g().listAction), std::make_pair(-1, Lines{"Brak"}));
}

TEST_F(CombatRules, FleeingEndsAtDistance24AndLongWalksCostTheAction) {
  g().fightDistance = 23;
  g().listMove = {"Ash", "Brak"};
  us().MA_left = us().MA_adj = 10;
  us().Act_This_Turn = true;
  const std::int32_t start = us().Hex;
  fleeStep(g(), us(), them());
  const std::int32_t there = us().Hex;
  EXPECT_NE(there, start);
  EXPECT_EQ(g().fightDistance, 24);
  fleeStep(g(), us(), them());
  EXPECT_EQ(std::make_pair(us().Hex, g().listMove), std::make_pair(there, Lines{"Brak"}));
  // One step taken; four more are half the allowance, the fifth is too many.
  for (int i = 0; i < 4; ++i) spendStep(us());
  EXPECT_TRUE(us().Act_This_Turn);
  spendStep(us());
  EXPECT_FALSE(us().Act_This_Turn);
}

TEST_F(CombatRules, BodiesTripTheStandingAndTheProneAreStoodOver) {
  // Lying on a body never trips; standing on it with no skill always does.
  g().graveyard.count = 1;
  g().graveyard.graves[0] = {us().Hex, 1, 1};
  them().Hex = us().Hex;
  us().Stance = 1;
  us().DX_adj = them().DX_adj = -100;
  const std::uint32_t before = g().rng.seed;
  tripCheck(g(), us());
  EXPECT_EQ(g().rng.seed, before);
  tripCheck(g(), them());
  EXPECT_EQ(std::make_pair(them().Stance, log()), std::make_pair(1, Lines{"Brak trips on a body"}));
  // Beside his opponent a prone fighter rises, and that is all he does.
  engage();
  g().listAction = {"Ash"};
  actionStep(g(), us(), them());
  EXPECT_EQ(std::make_pair(log().back(), g().listAction),
            std::make_pair("Ash stands up"s, Lines{}));
  // Standing over the one on the ground is worth 4.
  logClear(g().log);
  us().DX_adj = 12, us().MA_left = 10;
  actionStep(g(), us(), them());
  ASSERT_GE(log().size(), 3U);
  EXPECT_EQ(std::make_pair(log()[0], log()[2]),
            std::make_pair("Ash DX+4 stand over prone"s, " vs. DX 16 and"s));
}

TEST_F(CombatRules, NaturalRollsDecideWhateverTheDexterity) {
  engage();
  them().ST = 100;
  attackWith(16, 6, 20);
  EXPECT_EQ(log(), (Lines{"Ash rolled 16", " vs. DX 20 and", " missed"}));
  attackWith(3, 5, 0);  // 3 tripled to 9
  ASSERT_EQ(log().size(), 7U);
  EXPECT_EQ(log()[2], " shattered Brak");
  EXPECT_EQ(log()[3].rfind(" in the ", 0), 0U);
  EXPECT_EQ(Lines(log().begin() + 4, log().end()),
            (Lines{" for 9 damage", " stunning Brak", " knocking Brak down"}));
  attackWith(4, 6, 0);  // 4 doubled to 8
  EXPECT_EQ(log()[2], " smashed Brak");
  attackWith(5, 1, 0);  // no damage is still a hit
  ASSERT_EQ(log().size(), 5U);
  EXPECT_EQ(std::make_tuple(log()[2], log()[4], them().Wounds),
            std::make_tuple(" slapped Brak"s, " for 0 damage"s, 17));
  // Out of reach nothing is rolled and nothing told.
  g().fightDistance = 2;
  attackWith(10, 3, 12);
  EXPECT_TRUE(log().empty());
}

TEST_F(CombatRules, DamageThresholds) {
  EXPECT_EQ(blowWord("boa constrictor", 0), " toung kissed ");
  EXPECT_EQ(blowWord("boa constrictor", 9), " bit ");
  them().ST = 100;
  g().listAction = {"Brak"};
  for (std::int32_t damage : {-3, 5, 7}) applyDamage(g(), us(), them(), damage);
  EXPECT_EQ(log(), (Lines{" for 0 damage", " for 5 damage", " for 7 damage", " stunning Brak"}));
  EXPECT_EQ(std::make_tuple(them().DX_next_turn, them().Lose_next_turn, g().listAction),
            std::make_tuple(-2, false, Lines{"Brak"}));
  applyDamage(g(), us(), them(), 8);
  EXPECT_EQ(
      std::make_tuple(log().back(), them().Lose_next_turn, g().listAction, them().Wounds, us().EP),
      std::make_tuple(" knocking Brak down"s, true, Lines{}, 20, 20));
}

TEST_F(CombatRules, AKillPaysBothStakesToTheKillerAndLeavesAGrave) {
  us().Bet_value = 300, them().Bet_value = 200, us().Coin = 1000, them().Coin = 50;
  them().Wounds = 11, them().Hex = 42;
  g().listMove = g().listAction = {"Brak"};
  const std::int32_t graves = g().graveyard.count;
  applyDamage(g(), us(), them(), 1);
  EXPECT_EQ(log(), (Lines{" for 1 damage", " killing him", "the owner of Ash", " wins $ 500", "Ash",
                          "bravery  12 of 12"}));
  EXPECT_EQ(std::make_tuple(us().Coin, them().Coin, g().listMove, g().listAction),
            std::make_tuple(1500, 50, Lines{}, Lines{}));
  ASSERT_EQ(g().graveyard.count, graves + 1);
  const Grave& grave = g().graveyard.graves[static_cast<std::size_t>(graves)];
  EXPECT_EQ((std::array{grave.cell, grave.age, grave.race}), (std::array{42, 1, 1}));
  // Blows to the corpse pay nothing and dig nothing.
  logClear(g().log);
  applyDamage(g(), us(), them(), 3);
  EXPECT_EQ(std::make_tuple(log(), us().Coin, g().graveyard.count),
            std::make_tuple(Lines{" 3 to Brak'S corpse"}, 1500, graves + 1));
}

TEST_F(CombatRules, AFullGraveyardLetsItsOldestGraveGo) {
  Graveyard& yard = g().graveyard;
  yard.count = Graveyard::kMaxGraves;
  for (int i = 0; i < Graveyard::kMaxGraves; ++i)
    yard.graves[static_cast<std::size_t>(i)] = {i + 1, 5, 1};
  yard.graves[7].age = 9;
  them().Wounds = 11, them().Hex = 77;
  applyDamage(g(), us(), them(), 1);
  EXPECT_EQ(std::make_tuple(yard.count, yard.graves[7].cell, yard.graves[yard.count - 1].cell),
            std::make_tuple(Graveyard::kMaxGraves, 9, 77));
}

TEST_F(CombatRules, ARushThatEarnsAPunchCanKillTheRusher) {
  engage();
  us().Wounds = 11, us().Bet_value = 10, them().Bet_value = 20, them().Coin = 0;
  g().rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(1) == 6 && r.dice(1) >= 3; });
  rush(g(), us(), them());
  ASSERT_GE(log().size(), 4U);
  EXPECT_EQ(
      std::make_tuple(log()[0], log()[1], log()[3], them().Coin),
      std::make_tuple("Ash tries to grab Brak"s, "Brak heart punchs Ash"s, " killing him"s, 30));
}

TEST_F(CombatRules, EscapeNeedsDexterityOfFourDice) {
  them().Hex = us().Hex;
  const std::int32_t count = neighbourCount(g().world, them().Hex);
  for (std::int32_t throw4 : {14, 15}) {
    us().Stance = them().Stance = 1, us().Hex = them().Hex, us().DX_adj = 14;
    g().fightDistance = 0;
    g().rng.seed =
        seedWhere([&](RandomGenerator& r) { return r.random(count) >= 0 && r.dice(4) == throw4; });
    logClear(g().log);
    disengageAttempt(g(), us(), them());
    const bool out = throw4 == 14;
    EXPECT_EQ(std::make_tuple(log(), g().fightDistance, us().Stance),
              std::make_tuple(out ? Lines{"Ash", " slips out of", " wrestling"}
                                  : Lines{"Ash", " fails to slip", " out of wrestling"},
                              out ? 1 : 0, out ? 5 : 1));
  }
}

TEST_F(CombatRules, ZapStrikesFromSlotEight) {
  g().rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(6) - 12 >= 12; });
  us().Bet_value = 7, them().Bet_value = 5;
  const std::int32_t purse = slot(g(), 8).Coin;
  forfitZap(g());
  ASSERT_GE(log().size(), 5U);
  EXPECT_EQ(Lines(log().begin(), log().begin() + 5),
            (Lines{"you zap Ash", " for " + std::to_string(g().zapCountdown) + " damage",
                   " stunning Ash", " knocking Ash down", " killing him"}));
  // Slot 8 staked nothing.
  EXPECT_EQ(std::make_pair(slot(g(), 8).Coin, g().zapTarget), std::make_pair(purse + 7, 1));
  logClear(g().log);
  betrayZap(g());  // the guest is zapped when the player has betrayed
  EXPECT_EQ(std::make_pair(log().front(), g().zapTarget), std::make_pair("you zap Brak"s, 2));
}

// Rows that lead nowhere (here every cell touches only itself) can no
// longer be loaded, but should any stand in memory, the view's centre jumps
// to the fighter it cannot walk to, and the fight goes on turn by turn
// instead of standing at its first turn for ever.
TEST_F(CombatRules, ACentreThatCannotComeNearerJumpsToTheFighter) {
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
    NeighbourRow& row = *neighbourRow(g().world, c);
    row = NeighbourRow{};
    row.count = 1;
    row.slot[1] = c;
  }
  g().arenaCentre = 1;
  for (int step = 0; step < 5000 && g().turnCounter < 4; ++step) {
    turnStep(g());
    finishPhase(g());
  }
  EXPECT_GE(g().turnCounter, 4);
}

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

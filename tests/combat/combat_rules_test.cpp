#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "combat/action_step.h"
#include "combat/attack.h"
#include "combat/combat_fixture.h"
#include "combat/grappling.h"
#include "combat/movement.h"
#include "combat/turn_step.h"
#include "management/zaps.h"
#include "shell/tick.h"

namespace vorlund::test {

namespace {

// The first seed whose draws satisfy `wanted` (tried on a copy).
std::uint32_t seedWhere(const std::function<bool(RandomGenerator&)>& wanted) {
  for (std::uint32_t s = 1;; ++s) {
    RandomGenerator r{s};
    if (wanted(r)) return s;
  }
}

bool logHas(const Game& g, const std::string& line) {
  for (const auto& l : g.log.lines)
    if (l == line) return true;
  return false;
}

class CombatRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(arena.ready);
    makeFighter(arena.us(), {"Ash", "human", 12, 12, 12});
    makeFighter(arena.them(), {"Brak", "human", 12, 12, 12});
    arena.release(true);
    g().log.lines.clear();
  }
  Game& g() { return arena.g(); }
  TCharacterDMG& us() { return arena.us(); }
  TCharacterDMG& them() { return arena.them(); }
  // Side by side, engaged, as after an engagement.
  void engage() {
    them().Hex = arena.neighbourOf(us().Hex);
    us().Engaged = them().Engaged = true;
    g().fightDistance = 1;
  }
  Arena arena;
};

TEST_F(CombatRules, FrightenedFighterMovesFirstButNotOnTheFirstTurnToTheDeath) {
  them().Bravery = 1;  // below any two dice
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    us().Engaged_last_turn = them().Engaged_last_turn = false;
    g().rng.seed = seed;
    g().turnPhase = 1;
    turnStep(g());
    ASSERT_EQ(g().listMove.front(), "Brak") << seed;
  }
  int usFirst = 0;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    us().Engaged_last_turn = them().Engaged_last_turn = true;  // set by the set-up
    us().Engaged = them().Engaged = false;
    g().rng.seed = seed;
    turnStep(g());
    usFirst += g().listMove.front() == "Ash";
  }
  EXPECT_GT(usFirst, 5);
  EXPECT_LT(usFirst, 35);
}

TEST_F(CombatRules, ActionOrderByDexterityTiesAboutEven) {
  int usFirst = 0;
  constexpr int kTurns = 2000;
  for (int i = 0; i < kTurns; ++i) {
    g().turnPhase = 3;
    g().listMove.clear();
    us().Act_This_Turn = them().Act_This_Turn = true;
    turnStep(g());
    ASSERT_EQ(g().listAction.size(), 2U);
    usFirst += g().listAction.front() == "Ash";
  }
  EXPECT_NEAR(usFirst, kTurns / 2, kTurns / 10);
  // DX 2 and badly hurt: DX_adj -1, and no action at all.
  us().DX = 2;
  us().Wounds = 9;
  g().listMove.clear();
  turnStep(g());
  EXPECT_EQ(us().DX_adj, -1);
  EXPECT_EQ(g().listAction, std::vector<std::string>{"Brak"});
}

TEST_F(CombatRules, StunLowersDexterityOnceAndReplacesTheHoldBonus) {
  g().fightDistance = 0;
  us().DX_next_turn = -2;
  g().turnPhase = 3;
  g().listMove.clear();
  turnStep(g());
  EXPECT_EQ(us().DX_adj, 10);
  EXPECT_EQ(them().DX_adj, 16);
  g().listMove.clear();
  turnStep(g());
  EXPECT_EQ(us().DX_adj, 16);
}

TEST_F(CombatRules, MovingMoreThanHalfTheAllowanceCostsTheAction) {
  us().MA_adj = 10;
  us().Act_This_Turn = true;
  for (int i = 0; i < 5; ++i) spendStep(us());
  EXPECT_TRUE(us().Act_This_Turn);
  spendStep(us());
  EXPECT_FALSE(us().Act_This_Turn);
}

TEST_F(CombatRules, NobodyFleesPastDistance24) {
  g().fightDistance = 24;
  g().listMove = {"Ash", "Brak"};
  const std::int32_t cell = us().Hex;
  fleeStep(g(), us(), them());
  EXPECT_EQ(us().Hex, cell);
  EXPECT_EQ(g().listMove, std::vector<std::string>{"Brak"});
}

TEST_F(CombatRules, AHeldFighterDoesNotStandUpAndTheProneNeverTrip) {
  them().Hex = us().Hex;
  us().Stance = them().Stance = 1;
  us().Engaged = them().Engaged = true;
  g().fightDistance = 0;
  us().MA_left = 10;
  g().listAction = {"Ash", "Brak"};
  actionStep(g(), us(), them());
  EXPECT_EQ(us().Stance, 1);
  EXPECT_FALSE(logHas(g(), "Ash stands up"));
  EXPECT_EQ(g().log.lines.front().rfind("Ash rolled ", 0), 0U);

  g().graveyard.count = 1;
  g().graveyard.graves[0] = {us().Hex, 1, 1};
  us().DX_adj = -100;  // any roll would trip him if he could
  const std::uint32_t before = g().rng.seed;
  tripCheck(g(), us());
  EXPECT_EQ(g().rng.seed, before);
  us().Stance = 5;
  tripCheck(g(), us());
  EXPECT_EQ(us().Stance, 1);
  EXPECT_EQ(g().log.lines.back(), "Ash trips on a body");
}

TEST_F(CombatRules, NaturalRollsDecideWhateverTheDexterity) {
  engage();
  g().rng.seed = seedWhere([](RandomGenerator& r) { r.random(20); return r.dice(3) == 16; });
  us().DX_adj = 20;
  attack(g(), us(), them());
  EXPECT_EQ(g().log.lines, (std::vector<std::string>{"Ash rolled 16", " vs. DX 20 and", " missed"}));
  g().log.lines.clear();
  g().rng.seed = seedWhere([](RandomGenerator& r) { r.random(20); return r.dice(3) == 5; });
  us().DX_adj = 0;
  attack(g(), us(), them());
  ASSERT_GE(g().log.lines.size(), 5U);
  EXPECT_EQ(g().log.lines[0], "Ash rolled 5");
  EXPECT_EQ(g().log.lines[1], " vs. DX 0 and");
  EXPECT_EQ(g().log.lines[3].rfind(" in the ", 0), 0U);
  // Out of reach nothing is rolled and nothing told.
  g().log.lines.clear();
  g().fightDistance = 2;
  const std::uint32_t before = g().rng.seed;
  attack(g(), us(), them());
  EXPECT_TRUE(g().log.lines.empty());
  EXPECT_EQ(g().rng.seed, before);
}

TEST_F(CombatRules, DamageThresholds) {
  EXPECT_EQ(blowWord("human", 0), " slapped ");
  EXPECT_EQ(blowWord("boa constrictor", 0), " toung kissed ");
  EXPECT_EQ(blowWord("boa constrictor", 9), " bit ");
  EXPECT_EQ(blowWord("human", 9), " shattered ");
  EXPECT_EQ(blowWord("human", 999), " shattered ");
  EXPECT_EQ(blowWord("human", 1000), "");
  them().ST = 100;
  applyDamage(g(), us(), them(), 0);
  applyDamage(g(), us(), them(), 5);
  applyDamage(g(), us(), them(), 7);
  EXPECT_EQ(g().log.lines, (std::vector<std::string>{" for 0 damage", " for 5 damage",
                                                     " for 7 damage", " stunning Brak"}));
  EXPECT_FALSE(them().Lose_next_turn);
  g().listAction = {"Brak"};
  applyDamage(g(), us(), them(), 8);
  EXPECT_EQ(g().log.lines.back(), " knocking Brak down");
  EXPECT_TRUE(them().Lose_next_turn);
  EXPECT_TRUE(g().listAction.empty());
  EXPECT_EQ(them().Wounds, 20);
}

TEST_F(CombatRules, AKillPaysBothStakesToTheKillerAndLeavesAGrave) {
  us().Bet_value = 300;
  them().Bet_value = 200;
  us().Coin = 1000;
  them().Coin = 50;
  them().Wounds = 11;
  them().Hex = 42;
  const std::int32_t graves = g().graveyard.count;
  applyDamage(g(), us(), them(), 1);
  EXPECT_EQ(us().Coin, 1500);
  EXPECT_EQ(them().Coin, 50);
  ASSERT_EQ(g().graveyard.count, graves + 1);
  const Grave& grave = g().graveyard.graves[static_cast<std::size_t>(graves)];
  EXPECT_EQ(grave.cell, 42);
  EXPECT_EQ(grave.age, 1);
  EXPECT_EQ(grave.race, 1);
  EXPECT_EQ(g().log.lines[1], " killing him");
  EXPECT_EQ(g().log.lines[2], "the owner of Ash");
  EXPECT_EQ(g().log.lines[3], " wins $ 500");
  // Blows to the corpse pay nothing and dig nothing.
  g().log.lines.clear();
  applyDamage(g(), us(), them(), 3);
  EXPECT_EQ(g().log.lines, std::vector<std::string>{" 3 to Brak'S corpse"});
  EXPECT_EQ(us().Coin, 1500);
  EXPECT_EQ(g().graveyard.count, graves + 1);
}

TEST_F(CombatRules, AFullGraveyardLetsItsOldestGraveGo) {
  Graveyard& yard = g().graveyard;
  yard.count = Graveyard::kMaxGraves;
  for (int i = 0; i < Graveyard::kMaxGraves; ++i) yard.graves[static_cast<std::size_t>(i)] = {i + 1, 5, 1};
  yard.graves[7].age = 9;
  them().Wounds = 11;
  them().Hex = 77;
  applyDamage(g(), us(), them(), 1);
  EXPECT_EQ(yard.count, Graveyard::kMaxGraves);
  EXPECT_EQ(yard.graves[7].cell, 9);
  EXPECT_EQ(yard.graves[Graveyard::kMaxGraves - 1].cell, 77);
}

TEST_F(CombatRules, RushOutcomes) {
  engage();
  us().ST = 14;
  g().rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(1) == 5; });
  rush(g(), us(), them());
  EXPECT_EQ(g().log.lines[0], "Ash grabs at Brak");
  EXPECT_EQ(us().Wounds + them().Wounds, 0);
  // A heart punch can kill the rusher; the stakes go to the other slot.
  g().log.lines.clear();
  us().Wounds = 11;
  us().Bet_value = 10;
  them().Bet_value = 20;
  them().Coin = 0;
  them().Bare_hand_Mod = 5;
  g().rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(1) == 6; });
  rush(g(), us(), them());
  EXPECT_EQ(g().log.lines[0], "Ash tries to grab Brak");
  EXPECT_EQ(g().log.lines[1], "Brak heart punchs Ash");
  EXPECT_GE(us().Wounds, us().ST);
  EXPECT_EQ(them().Coin, 30);
  // A tackle locks both in one cell, prone.
  g().rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(1) <= 4; });
  them().Race = "boa constrictor";
  rush(g(), them(), us());
  EXPECT_EQ(g().fightDistance, 0);
  EXPECT_EQ(us().Hex, them().Hex);
  EXPECT_EQ(us().Stance, 1);
  EXPECT_EQ(them().Stance, 1);
}

TEST_F(CombatRules, EscapeNeedsDexterityOfFourDice) {
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    for (std::int32_t dx : {3, 24}) {
      them().Hex = us().Hex;
      us().Stance = them().Stance = 1;
      g().fightDistance = 0;
      us().DX_adj = dx;
      g().rng.seed = seed;
      g().log.lines.clear();
      disengageAttempt(g(), us(), them());
      ASSERT_EQ(g().log.lines.size(), 3U);
      EXPECT_EQ(g().log.lines[1], dx == 3 ? " fails to slip" : " slips out of") << seed;
      EXPECT_EQ(us().Hex != them().Hex, dx == 24);
    }
  }
}

TEST_F(CombatRules, ZapStrikesFromSlotEight) {
  g().rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(6) - 12 >= 12; });
  them().Wounds = 0;
  us().Bet_value = 7;
  them().Bet_value = 5;
  const std::int32_t purse = slot(g(), 8).Coin;
  us().ST = 12;
  forfitZap(g());
  EXPECT_EQ(g().log.lines[0], "you zap Ash");
  EXPECT_TRUE(logHas(g(), " killing him"));
  EXPECT_EQ(slot(g(), 8).Coin, purse + 7);  // slot 8 staked nothing
  EXPECT_EQ(g().zapTarget, 1);
  EXPECT_GE(g().zapCountdown, 12);
}

}  // namespace

}  // namespace vorlund::test

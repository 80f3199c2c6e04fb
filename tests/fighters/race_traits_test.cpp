#include "fighters/race_traits.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "fighters/fighter_value.h"
#include "state/character.h"
#include "state/random.h"

namespace vorlund {
namespace {

constexpr int kKeeps = 77;  // unarmed damage a strength out of the tables' reach keeps

TCharacterDMG fighter(const std::string& race, int st, int dx = 0, int ep = 0) {
  TCharacterDMG c;
  c.Race = race;
  c.ST = st;
  c.DX = dx;
  c.EP = ep;
  c.Bare_hand_D = c.Bare_hand_Mod = kKeeps;
  return c;
}

// Race word; strengths; IQ set (-1: the record's is kept); bravery dice and
// adds; MA and MA_Swim; unarmed dice and adds at ST 12; grave code.
using Race = std::tuple<std::string, int, int, int, int, int, int, int, int, int, int>;

TEST(RaceTraits, EveryRuleMatchesTheWholeRaceWord) {
  // clang-format off
  const std::vector<Race> table = {
      {"human", 8, 16, 8, 2, 0, 10, 2, 1, -2, 1}, {"orc", 8, 16, 8, 2, 0, 10, 2, 1, -2, 2},
      {"elf", 6, 14, 8, 2, 0, 12, 2, 1, -2, 3}, {"dwarf", 10, 18, 8, 2, 0, 10, 2, 1, -2, 4},
      {"merman", 8, 16, 8, 2, 0, 10, 2, 1, -2, 5}, {"man orc", 8, 16, 8, 2, 0, 10, 2, 1, -2, 6},
      {"man elf", 7, 15, 8, 2, 0, 10, 2, 1, -2, 7},
      {"man dwarf", 9, 17, -1, 2, 0, 10, 2, 1, -2, 0},
      {"orc elf", 7, 15, 8, 2, 0, 10, 2, 1, -2, 8}, {"orc dwarf", 9, 17, 8, 2, 0, 10, 2, 1, -2, 9},
      {"elf dwarf", 8, 16, 8, 2, 0, 10, 2, 1, -2, 10},
      {"man merman", 8, 16, 8, 2, 0, 10, 2, 1, -2, 11},
      {"wraith", 8, 16, -1, 2, 0, 10, 2, 0, 0, 0},
      {"hymenopteran", 12, 12, 8, 1, 6, 10, 2, 1, -2, 12},
      {"boa constrictor", 12, 12, 6, 1, 0, 6, 6, 1, 1, 13},
      // Case, blanks and length all count: strangers to the rules get every default.
      {"Human", 8, 16, -1, 2, 0, 10, 2, 1, -2, 0}, {"elf ", 8, 16, -1, 2, 0, 10, 2, 1, -2, 0},
      {"boa", 8, 16, -1, 2, 0, 10, 2, 1, -2, 0}, {"", 8, 16, -1, 2, 0, 10, 2, 1, -2, 0}};
  // clang-format on
  for (const auto& [race, lo, hi, iq, dice, adds, ma, swim, hand, handAdds, code] : table) {
    SCOPED_TRACE("race \"" + race + "\"");
    const StrengthRange r = strengthRange(race);
    EXPECT_EQ(std::make_tuple(r.lowest, r.highest, raceCode(race)), std::make_tuple(lo, hi, code));
    TCharacterDMG c = fighter(race, 12, 12);
    c.IQ = 3;
    c.MA_Fly = c.MA_Web = c.MA_Climb = c.MA_spent = 4;
    c.Engaged = c.Lose_next_turn = true;
    c.Stance = 1;
    setNaturalWeapons(c);
    setUpMovement(c);
    applyIqAndAdvancement(c);
    const std::vector<int> want = {
        iq < 0 ? 3 : iq, hand, handAdds, ma, swim, 0, 0, 0, 0, 0, 1, 0, 5};
    EXPECT_EQ(std::vector<int>({c.IQ, c.Bare_hand_D, c.Bare_hand_Mod, c.MA, c.MA_Swim, c.MA_Fly,
                                c.MA_Web, c.MA_Climb, c.MA_spent, c.Engaged, c.Engaged_last_turn,
                                c.Lose_next_turn, c.Stance}),
              want);
    // Bravery by race first, then honesty, friendliness and mood.
    RandomGenerator rng{77}, expected{77};
    rollTemperament(rng, c);
    const std::vector<int> rolls = {expected.dice(dice) + adds, expected.dice(2), expected.dice(2),
                                    expected.dice(2)};
    EXPECT_EQ(std::vector<int>({c.Bravery, c.Honesty, c.Friendliness, c.Mood}), rolls);
    EXPECT_EQ(rng.seed, expected.seed);
  }
}

TEST(RaceTraits, UnarmedDamageAtEveryStepOfTheTables) {
  const std::string h = "human", b = "boa constrictor", w = "wraith";
  const int k = kKeeps;
  // clang-format off
  const std::vector<std::tuple<std::string, int, int, int>> table = {
      {h, 0, 0, 0}, {h, 8, 1, -4}, {h, 9, 1, -3}, {h, 10, 1, -3}, {h, 11, 1, -2}, {h, 13, 1, -1},
      {h, 14, 1, -1}, {h, 15, 1, 0}, {h, 16, 1, 0}, {h, 17, 1, 1}, {h, 20, 1, 1}, {h, 21, 1, 2},
      {h, 24, 1, 2}, {h, 25, 1, 3}, {h, 29, 1, 3}, {h, 30, 2, 1}, {h, 39, 2, 1}, {h, 40, 3, 1},
      {h, 259, 24, 1}, {h, 260, k, k}, {h, -1, k, k},
      {b, 0, 0, 0}, {b, 2, 1, -4}, {b, 3, 1, -3}, {b, 5, 1, -2}, {b, 8, 1, -1}, {b, 9, 1, 0},
      {b, 11, 1, 1}, {b, 16, 1, 1}, {b, 17, 1, 2}, {b, 22, 1, 2}, {b, 23, 1, 3}, {b, 29, 1, 3},
      {b, 30, 2, 0}, {b, 39, 2, 0}, {b, 40, 3, 1}, {b, 260, k, k},
      {w, 30, 0, 0}, {w, -5, 0, 0}, {w, 999, 0, 0}, {w, 1000, k, k}};
  // clang-format on
  for (const auto& [race, st, dice, adds] : table) {
    TCharacterDMG c = fighter(race, st);
    setNaturalWeapons(c);
    EXPECT_EQ(std::make_pair(c.Bare_hand_D, c.Bare_hand_Mod), std::make_pair(dice, adds))
        << race << " ST " << st;
  }
}

// Race, {ST, DX, EP} before, {ST, DX, EP, unarmed adds} after.
using Step = std::tuple<std::string, std::vector<int>, std::vector<int>>;

TEST(Advancement, OneStepPaidFromExperienceSkillFirst) {
  // clang-format off
  for (const auto& [t, cost] : std::vector<std::pair<int, std::int64_t>>{
           {-3, 0}, {0, 0}, {1, 125}, {36, 125}, {37, 250}, {40, 250}, {41, 1000}, {45, 1000},
           {46, 3000}, {50, 3000}, {51, 5000}, {55, 5000}, {59, 5000}, {60, 10000}, {64, 10000},
           {65, 20000}, {255, std::int64_t{5000} << 40}, {256, 0}})
    EXPECT_EQ(advancementCost(t), cost) << "t " << t;
  for (const auto& [race, before, after] : std::vector<Step>{
           {"human", {12, 12, 125}, {12, 13, 0, -2}},       // t 32 costs 125: skill rises
           {"human", {12, 12, 124}, {12, 12, 124, -2}},     // a point short
           {"human", {12, 12, 100000}, {12, 13, 99875, -2}},  // one step however rich
           {"human", {14, 14, 125}, {14, 15, 0, -1}},       // skill still up to 15
           {"human", {10, 14, 250}, {11, 14, 125, -2}},     // skill ahead of strength
           {"orc", {16, 15, 3000}, {17, 15, 2750, 1}},      // skill at 15: strength, harder fists
           {"x", {200, 60, 999}, {200, 60, 999, 1}},        // t above 255: no step
           {"x", {-30, 5, 999}, {-30, 5, 999, kKeeps}}}) {  // t below 1: no step
    // clang-format on
    TCharacterDMG c = fighter(race, before[0], before[1], before[2]);
    setNaturalWeapons(c);
    applyIqAndAdvancement(c);
    EXPECT_EQ(std::vector<int>({c.ST, c.DX, c.EP, c.Bare_hand_Mod}), after) << race << before[0];
  }
}

TEST(FighterValue, StrengthSkillWitsAndWounds) {
  // {ST, DX, IQ, Wounds, value}
  // clang-format off
  for (const auto& v : std::vector<std::vector<int>>{
           {12, 12, 8, 0, 2352}, {10, 14, 0, 5, 163}, {10, 14, 5, 0, 326}, {10, 14, 6, 0, 978},
           {10, 14, 7, 0, 3260}, {10, 14, 999, 0, 325674}, {10, 14, 1000, 0, 326},
           {10, 14, -8, 0, 326}, {4, 2, 0, 1, 56}, {4, 4, 0, 1, 64},  // halves to even
           {4, 4, 0, 6, -43}, {0, 4, 0, 1, 0}}) {  // past death; no strength to share wounds
    // clang-format on
    TCharacterDMG c = fighter("x", v[0], v[1]);
    c.IQ = v[2];
    c.Wounds = v[3];
    EXPECT_EQ(fighterValue(c), v[4]) << v[0] << " " << v[1] << " " << v[2] << " " << v[3];
  }
}

TCharacterDMG filled() {
  TCharacterDMG c;
  c.Name_String = "Ash", c.Sex = "m", c.Race = "man orc", c.Training = "t", c.Ready = "axe";
  c.Secondary = "knife";
  int v = 1;
  for (auto field : kPersistedIntegers) c.*field = v++;
  c.Rest_Last_Week = c.Act_This_Turn = c.Engaged = c.Brave = c.Lose_next_turn = true;
  c.Coin = 500, c.Bet_value = 40, c.Hex = 1234, c.DX_adj = 9, c.MA_adj = 8, c.MA_left = 4;
  return c;
}

// Clearing empties the persisted set and the fight's flags but keeps the
// purse, the stake, the cell and the turn's values with the slot; copying
// moves the persisted set alone.
TEST(CharacterRecord, ClearAndCopyTouchOnlyThePersistedSet) {
  const TCharacterDMG from = filled();
  TCharacterDMG c = from;
  clearRecord(c);
  for (auto field : kPersistedIntegers) EXPECT_EQ(c.*field, 0);
  EXPECT_EQ(std::make_tuple(c.Name_String.str(), c.Secondary.str(), c.Engaged, c.Brave,
                            c.Lose_next_turn, c.Rest_Last_Week, c.Engaged_last_turn),
            std::make_tuple("", "", false, false, false, false, true));
  EXPECT_EQ(std::make_tuple(c.Coin, c.Bet_value, c.Hex, c.DX_adj, c.MA_left, c.Act_This_Turn),
            std::make_tuple(500, 40, 1234, 9, 4, true));
  TCharacterDMG to;
  to.Coin = 7, to.Hex = 777, to.Engaged = false, to.DX_adj = -1;
  copyRecord(from, to);
  for (auto field : kPersistedIntegers) EXPECT_EQ(to.*field, from.*field);
  EXPECT_EQ(
      std::make_tuple(to.Name_String.str(), to.Race.str(), to.Secondary.str(), to.Rest_Last_Week,
                      to.Coin, to.Hex, to.DX_adj, to.Bet_value, to.Engaged),
      std::make_tuple("Ash", "man orc", "knife", true, 7, 777, -1, 0, false));
}

}  // namespace
}  // namespace vorlund

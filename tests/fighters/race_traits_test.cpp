#include "fighters/race_traits.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fighters/fighter_value.h"
#include "shell/random.h"

namespace vorlund {
namespace {

TCharacterDMG fighter(const std::string& race, int st, int dx = 0) {
  TCharacterDMG c;
  c.Race = race;
  c.ST = st;
  c.DX = dx;
  return c;
}

std::pair<int, int> bareHand(const std::string& race, int st) {
  TCharacterDMG c = fighter(race, st);
  c.Bare_hand_D = 77;
  c.Bare_hand_Mod = 77;
  setNaturalWeapons(c);
  return {c.Bare_hand_D, c.Bare_hand_Mod};
}

TEST(RaceTraits, StrengthRangesMatchWholeWordsOnly) {
  const std::vector<std::tuple<std::string, int, int>> table = {
      {"human", 8, 16},
      {"elf", 6, 14},
      {"dwarf", 10, 18},
      {"man elf", 7, 15},
      {"man dwarf", 9, 17},
      {"orc elf", 7, 15},
      {"orc dwarf", 9, 17},
      {"wraith", 8, 16},
      {"hymenopteran", 12, 12},
      {"boa constrictor", 12, 12},
      // Case, blanks and length all count: these are strangers to the rules.
      {"Human", 8, 16},
      {"elf ", 8, 16},
      {"boa", 8, 16},
      {"", 8, 16}};
  for (const auto& [race, lo, hi] : table) {
    const StrengthRange r = strengthRange(race);
    EXPECT_EQ(r.lowest, lo) << race;
    EXPECT_EQ(r.highest, hi) << race;
    EXPECT_GE(r.count(), 1) << race;
  }
}

TEST(RaceTraits, GeneralDamageTableAtEveryStep) {
  const std::vector<std::tuple<int, int, int>> table = {
      {0, 0, 0},   {1, 1, -4},  {8, 1, -4},   {9, 1, -3},    {10, 1, -3}, {11, 1, -2},
      {12, 1, -2}, {13, 1, -1}, {14, 1, -1},  {15, 1, 0},    {16, 1, 0},  {17, 1, 1},
      {20, 1, 1},  {21, 1, 2},  {24, 1, 2},   {25, 1, 3},    {29, 1, 3},  {30, 2, 1},
      {35, 2, 1},  {40, 3, 1},  {259, 24, 1}, {260, 77, 77}, {-1, 77, 77}};
  for (const auto& [st, dice, adds] : table)
    EXPECT_EQ(bareHand("human", st), std::make_pair(dice, adds)) << "ST " << st;
}

TEST(RaceTraits, BoaAndWraithOverrideTheGeneralTable) {
  EXPECT_EQ(bareHand("boa constrictor", 2), std::make_pair(1, -4));
  EXPECT_EQ(bareHand("boa constrictor", 10), std::make_pair(1, 0));
  EXPECT_EQ(bareHand("boa constrictor", 12), std::make_pair(1, 1));
  EXPECT_EQ(bareHand("boa constrictor", 23), std::make_pair(1, 3));
  EXPECT_EQ(bareHand("boa constrictor", 35), std::make_pair(2, 0));
  EXPECT_EQ(bareHand("human", 35), std::make_pair(2, 1));
  EXPECT_EQ(bareHand("boa constrictor", 40), std::make_pair(3, 1));
  EXPECT_EQ(bareHand("boa constrictor", 300), std::make_pair(77, 77));
  EXPECT_EQ(bareHand("wraith", 16), std::make_pair(0, 0));
  EXPECT_EQ(bareHand("wraith", 999), std::make_pair(0, 0));
  EXPECT_EQ(bareHand("wraith", 1000), std::make_pair(77, 77));
}

TEST(RaceTraits, TemperamentRollsBraveryThenThreeTwoDiceScores) {
  for (const auto& [race, draws, lo, hi] : std::vector<std::tuple<std::string, int, int, int>>{
           {"human", 8, 2, 12}, {"hymenopteran", 7, 7, 12}, {"boa constrictor", 7, 1, 6}}) {
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
      RandomGenerator rng{seed};
      RandomGenerator expected{seed};
      TCharacterDMG c = fighter(race, 12);
      rollTemperament(rng, c);
      for (int i = 0; i < draws; ++i) expected.random(6);
      ASSERT_EQ(rng.seed, expected.seed) << race << ": one throw per die";
      ASSERT_GE(c.Bravery, lo) << race;
      ASSERT_LE(c.Bravery, hi) << race;
      ASSERT_GE(c.Mood, 2);
      ASSERT_LE(c.Mood, 12);
    }
  }
}

TEST(RaceTraits, MovementSetUpByRace) {
  TCharacterDMG elf = fighter("elf", 10);
  elf.MA_Fly = 4;
  elf.Engaged = true;
  elf.Stance = 1;
  setUpMovement(elf);
  EXPECT_EQ(std::make_tuple(elf.MA, elf.MA_Swim, elf.MA_Fly, elf.Engaged, elf.Engaged_last_turn,
                            elf.Stance),
            std::make_tuple(12, 2, 0, false, true, 5));
  TCharacterDMG boa = fighter("boa constrictor", 12);
  setUpMovement(boa);
  EXPECT_EQ(std::make_pair(boa.MA, boa.MA_Swim), std::make_pair(6, 6));
  TCharacterDMG orcElf = fighter("orc elf", 10);
  setUpMovement(orcElf);
  EXPECT_EQ(orcElf.MA, 10) << "only a whole elf runs faster";
}

TEST(Advancement, CostTableBoundaries) {
  const std::vector<std::pair<int, std::int64_t>> table = {{0, 0},
                                                           {1, 125},
                                                           {36, 125},
                                                           {37, 250},
                                                           {40, 250},
                                                           {41, 1000},
                                                           {45, 1000},
                                                           {46, 3000},
                                                           {50, 3000},
                                                           {51, 5000},
                                                           {55, 5000},
                                                           {56, 5000},
                                                           {59, 5000},
                                                           {60, 10000},
                                                           {64, 10000},
                                                           {65, 20000},
                                                           {255, std::int64_t{5000} << 40},
                                                           {256, 0},
                                                           {-3, 0}};
  for (const auto& [t, cost] : table) EXPECT_EQ(advancementCost(t), cost) << "t " << t;
}

TEST(Advancement, HumanPaysAndGainsSkillOnce) {
  TCharacterDMG c = fighter("human", 12, 12);
  c.EP = 125;
  applyIqAndAdvancement(c);
  EXPECT_EQ(c.IQ, 8);
  EXPECT_EQ(c.EP, 0);
  EXPECT_EQ(c.DX, 13);
  EXPECT_EQ(c.ST, 12);

  TCharacterDMG rich = fighter("human", 12, 12);
  rich.EP = 100000;
  applyIqAndAdvancement(rich);
  EXPECT_EQ(rich.EP, 100000 - 125) << "one advancement per run, however rich";
  EXPECT_EQ(rich.DX, 13);

  TCharacterDMG poor = fighter("human", 12, 12);
  poor.EP = 124;
  applyIqAndAdvancement(poor);
  EXPECT_EQ(std::make_tuple(poor.EP, poor.DX, poor.ST), std::make_tuple(124, 12, 12));
}

TEST(Advancement, SkilledFighterGainsStrengthAndHarderFists) {
  TCharacterDMG c = fighter("orc", 16, 15);
  setNaturalWeapons(c);
  EXPECT_EQ(c.Bare_hand_Mod, 0);
  c.EP = 3000;  // t = 16 + 15 + 8 = 39: costs 250
  applyIqAndAdvancement(c);
  EXPECT_EQ(c.ST, 17);
  EXPECT_EQ(c.DX, 15);
  EXPECT_EQ(c.EP, 2750);
  EXPECT_EQ(std::make_pair(c.Bare_hand_D, c.Bare_hand_Mod), std::make_pair(1, 1));

  // Skill already ahead of strength: strength catches up.
  TCharacterDMG weak = fighter("human", 10, 14);
  weak.EP = 250;
  applyIqAndAdvancement(weak);
  EXPECT_EQ(std::make_pair(weak.ST, weak.DX), std::make_pair(11, 14));
}

TEST(Advancement, RacesWithoutIqKeepTheirs) {
  TCharacterDMG dwarf = fighter("man dwarf", 12, 12);
  applyIqAndAdvancement(dwarf);
  EXPECT_EQ(dwarf.IQ, 0);
  dwarf.IQ = 11;
  applyIqAndAdvancement(dwarf);
  EXPECT_EQ(dwarf.IQ, 11);
  TCharacterDMG capital = fighter("Human", 12, 12);
  capital.IQ = 3;
  applyIqAndAdvancement(capital);
  EXPECT_EQ(capital.IQ, 3);
  TCharacterDMG boa = fighter("boa constrictor", 12, 12);
  applyIqAndAdvancement(boa);
  EXPECT_EQ(boa.IQ, 6);
}

TEST(RaceTraits, GraveCodesAndAge) {
  const std::vector<std::pair<std::string, int>> codes = {{"human", 1},
                                                          {"orc", 2},
                                                          {"elf", 3},
                                                          {"dwarf", 4},
                                                          {"merman", 5},
                                                          {"man orc", 6},
                                                          {"man elf", 7},
                                                          {"orc elf", 8},
                                                          {"orc dwarf", 9},
                                                          {"elf dwarf", 10},
                                                          {"man merman", 11},
                                                          {"hymenopteran", 12},
                                                          {"boa constrictor", 13},
                                                          {"man dwarf", 0},
                                                          {"wraith", 0},
                                                          {"Human", 0}};
  for (const auto& [race, code] : codes) EXPECT_EQ(raceCode(race), code) << race;
  TCharacterDMG c = fighter("orc", 11, 13);
  c.Extra = 12;
  setAge(c);
  EXPECT_EQ(c.Age, 36);
}

TEST(FighterValue, ExamplesAndMultipliers) {
  TCharacterDMG c = fighter("human", 12, 12);
  c.IQ = 8;
  EXPECT_EQ(fighterValue(c), 2352);
  c = fighter("x", 10, 14);
  c.Wounds = 5;
  EXPECT_EQ(fighterValue(c), 163);
  c.Wounds = 0;
  for (const auto& [iq, value] : std::vector<std::pair<int, int>>{{0, 326},
                                                                  {5, 326},
                                                                  {6, 978},
                                                                  {7, 3260},
                                                                  {8, 2608},
                                                                  {999, 325674},
                                                                  {1000, 326},
                                                                  {-8, 326}})
    EXPECT_EQ((c.IQ = iq, fighterValue(c)), value) << "IQ " << iq;
}

TEST(FighterValue, WoundsRoundHalvesToEven) {
  TCharacterDMG c = fighter("x", 4, 2);  // base 74
  c.Wounds = 1;
  EXPECT_EQ(fighterValue(c), 56);  // 55.5
  c.DX = 4;                        // base 86
  EXPECT_EQ(fighterValue(c), 64);  // 64.5
  c.Wounds = 6;                    // beyond death: the value turns negative
  EXPECT_EQ(fighterValue(c), -43);
  c.ST = 0;  // no strength to share the wounds with
  EXPECT_EQ(fighterValue(c), 0);
}

}  // namespace
}  // namespace vorlund

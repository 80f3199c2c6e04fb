#include "fighters/character.h"

#include <gtest/gtest.h>

#include "fighters/character_properties.h"

namespace vorlund {
namespace {

TEST(CharacterRecord, StringsAreCutTo255Characters) {
  TCharacterDMG c;
  const std::string longName(300, 'x');
  c.Name_String = longName;
  EXPECT_EQ(c.Name_String.str(), longName.substr(0, 255));
  c.Race = std::string(255, 'r');
  EXPECT_EQ(c.Race.size(), 255u);
}

TEST(CharacterRecord, EveryPropertyHasItsOwnField) {
  TCharacterDMG c;
  c.MA_Web = 3;
  c.MA_adj = 7;
  c.Coin = -20;
  EXPECT_EQ(c.MA_Web, 3);
  EXPECT_EQ(c.MA_adj, 7);
  EXPECT_EQ(c.Coin, -20);
  EXPECT_EQ(characterProperties().size(), 48u);
  EXPECT_EQ(characterProperties().front().name, "Name_String");
  EXPECT_EQ(characterProperties().back().name, "Act_This_Turn");
  EXPECT_EQ(findCharacterProperty("Stance")->name, "Stance");
  EXPECT_EQ(findCharacterProperty("stance"), nullptr);
}

TEST(CharacterRecord, FreshRecordIsAFreeSlot) {
  TCharacterDMG c;
  EXPECT_TRUE(c.Name_String.empty());
  EXPECT_EQ(c.Stance, 0);
  EXPECT_FALSE(c.Engaged_last_turn);
}

TCharacterDMG filled() {
  TCharacterDMG c;
  c.Name_String = "Ash";
  c.Sex = "m";
  c.Race = "man orc";
  c.Training = "t";
  c.Ready = "axe";
  c.Secondary = "knife";
  int v = 1;
  for (auto field : kPersistedIntegers) c.*field = v++;
  c.Rest_Last_Week = true;
  c.Coin = 500;
  c.Bet_value = 40;
  c.Hex = 1234;
  c.DX_adj = 9;
  c.MA_adj = 8;
  c.MA_left = 4;
  c.Act_This_Turn = true;
  c.Engaged = true;
  c.Brave = true;
  c.Lose_next_turn = true;
  return c;
}

TEST(CharacterRecord, ClearKeepsTheSlotsAndTheFightsFields) {
  TCharacterDMG c = filled();
  clearRecord(c);
  EXPECT_TRUE(c.Name_String.empty());
  EXPECT_TRUE(c.Secondary.empty());
  for (auto field : kPersistedIntegers) EXPECT_EQ(c.*field, 0);
  EXPECT_FALSE(c.Engaged);
  EXPECT_FALSE(c.Brave);
  EXPECT_FALSE(c.Lose_next_turn);
  EXPECT_FALSE(c.Rest_Last_Week);
  EXPECT_TRUE(c.Engaged_last_turn);
  EXPECT_EQ(c.Coin, 500);
  EXPECT_EQ(c.Bet_value, 40);
  EXPECT_EQ(c.Hex, 1234);
  EXPECT_EQ(c.DX_adj, 9);
  EXPECT_EQ(c.MA_left, 4);
  EXPECT_TRUE(c.Act_This_Turn);
}

TEST(CharacterRecord, CopyTouchesOnlyThePersistedSet) {
  const TCharacterDMG from = filled();
  TCharacterDMG to;
  to.Coin = 7;
  to.Hex = 777;
  to.Engaged = false;
  to.DX_adj = -1;
  copyRecord(from, to);
  EXPECT_EQ(to.Name_String, "Ash");
  EXPECT_EQ(to.Race, "man orc");
  EXPECT_EQ(to.Secondary, "knife");
  for (auto field : kPersistedIntegers) EXPECT_EQ(to.*field, from.*field);
  EXPECT_TRUE(to.Rest_Last_Week);
  EXPECT_EQ(to.Coin, 7);
  EXPECT_EQ(to.Hex, 777);
  EXPECT_EQ(to.DX_adj, -1);
  EXPECT_EQ(to.Bet_value, 0);
  EXPECT_FALSE(to.Engaged);
  EXPECT_FALSE(to.Act_This_Turn);
}

}  // namespace
}  // namespace vorlund

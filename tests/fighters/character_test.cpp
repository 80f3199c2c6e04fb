#include "fighters/character.h"

#include <gtest/gtest.h>

namespace vorlund {
namespace {

TEST(CharacterRecord, StringsAreCutTo255Characters) {
  TCharacterDMG c;
  c.Name_String = std::string(300, 'x');
  c.Race = std::string(255, 'r');
  EXPECT_EQ(std::make_pair(c.Name_String.str(), c.Race.size()),
            std::make_pair(std::string(255, 'x'), std::size_t{255}));
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
// purse, the stake, the cell and the turn's values with the slot.
TEST(CharacterRecord, ClearKeepsTheSlotsAndTheFightsFields) {
  TCharacterDMG c = filled();
  clearRecord(c);
  for (auto field : kPersistedIntegers) EXPECT_EQ(c.*field, 0);
  EXPECT_EQ(std::make_tuple(c.Name_String.str(), c.Secondary.str(), c.Engaged, c.Brave,
                            c.Lose_next_turn, c.Rest_Last_Week, c.Engaged_last_turn),
            std::make_tuple("", "", false, false, false, false, true));
  EXPECT_EQ(std::make_tuple(c.Coin, c.Bet_value, c.Hex, c.DX_adj, c.MA_left, c.Act_This_Turn),
            std::make_tuple(500, 40, 1234, 9, 4, true));
}

TEST(CharacterRecord, CopyTouchesOnlyThePersistedSet) {
  const TCharacterDMG from = filled();
  TCharacterDMG to;
  to.Coin = 7, to.Hex = 777, to.Engaged = false, to.DX_adj = -1;
  copyRecord(from, to);
  for (auto field : kPersistedIntegers) EXPECT_EQ(to.*field, from.*field);
  EXPECT_EQ(
      std::make_tuple(to.Name_String.str(), to.Race.str(), to.Secondary.str(), to.Rest_Last_Week),
      std::make_tuple("Ash", "man orc", "knife", true));
  EXPECT_EQ(std::make_tuple(to.Coin, to.Hex, to.DX_adj, to.Bet_value, to.Engaged, to.Act_This_Turn),
            std::make_tuple(7, 777, -1, 0, false, false));
}

}  // namespace
}  // namespace vorlund

#include "panels/sheet.h"

#include <gtest/gtest.h>

#include <climits>

#include "shell/utf8_text.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

struct SheetTest : ::testing::Test {
  test::TestGame t;
  Game& g = t.g();
  TCharacterDMG& us = g.characters[0];
  void SetUp() override {
    for (int s = 1; s <= kSlotCount; ++s) g.slotTable[s] = g.combatantOrder[s] = s;
    layForm(g.us);
    layForm(g.them);
  }
  const std::string& line(int n) { return g.us.lines[n - 1]; }
};

TEST_F(SheetTest, FreshFormHasAllItsBlanks) {
  EXPECT_EQ(line(1), "NAME __________________________________            |");
  EXPECT_EQ(line(6), "DX:____(___) EXPERIENCE:_____ |____________________|");
  for (const auto& l : g.us.lines) EXPECT_EQ(l.size(), 52u);
}

TEST_F(SheetTest, RefreshFillsEveryFieldInPlace) {
  us.Name_String = "Ash";
  us.Race = "human";
  us.ST = 12;
  us.DX = 12;
  us.Bare_hand_D = 1;
  us.Bare_hand_Mod = -1;
  us.Wounds = 3;
  us.EP = 40;
  us.Coin = -20;
  refreshSheets(g);
  EXPECT_EQ(line(1), "NAME Ash                                           |");
  EXPECT_EQ(line(2), "RACE human                                         |");
  EXPECT_EQ(line(4), "ST:12  (   ) Bare hand: 1-1   |Wounds: 3           |");
  EXPECT_EQ(line(6), "DX:12  (   ) EXPERIENCE: 40   |____________________|");
  EXPECT_EQ(g.us.caption, "Ash  $-20");
  // Name underlined from column 5 to 38; the closing bar is plain.
  EXPECT_EQ(g.us.styles[0][5], kStyleUnderline);
  EXPECT_EQ(g.us.styles[0][38], kStyleUnderline);
  EXPECT_EQ(g.us.styles[0][39], kStylePlain);
  // Wounds are red, not underlined.
  EXPECT_EQ(g.us.styles[3][38], kStyleRed);
  EXPECT_EQ(g.us.styles[3][51], kStylePlain);
}

TEST_F(SheetTest, BareHandShowsTheSignOfItsModifier) {
  us.Bare_hand_D = 1;
  us.Bare_hand_Mod = 2;
  sheetFill(g, 1, SheetField::BareHand);
  EXPECT_EQ(line(4).substr(23, 6), " 1+2  ");
  us.Bare_hand_Mod = 0;
  sheetFill(g, 1, SheetField::BareHand);
  EXPECT_EQ(line(4).substr(23, 6), " 1    ");
}

TEST_F(SheetTest, AdjustmentShowsOnlyWhenItDiffers) {
  us.DX = 13;
  us.DX_adj = 13;
  sheetFill(g, 1, SheetField::DX);
  EXPECT_EQ(line(6).substr(0, 12), "DX:13  (   )");
  us.DX_adj = 9;
  sheetFill(g, 1, SheetField::DX);
  EXPECT_EQ(line(6).substr(0, 12), "DX:13  (9  )");
  us.ST = 666;
  us.ST_adj = 4;
  sheetFill(g, 1, SheetField::ST);
  EXPECT_EQ(line(4).substr(0, 12), "ST: ~  ( ~ )");
}

TEST_F(SheetTest, ExtraIsRewrittenByEveryFill) {
  us.Extra = 12;
  sheetFill(g, 1, SheetField::Experience);
  EXPECT_EQ(line(3), "extra:   12                   |                    |");
  us.Extra = 0;
  sheetFill(g, 1, SheetField::Name);
  EXPECT_EQ(line(3).substr(0, 11), std::string(11, ' '));
}

TEST_F(SheetTest, NamesAreUtf8AndCountedInCharacters) {
  us.Name_String = "Zoë";
  sheetFill(g, 1, SheetField::Name);
  EXPECT_EQ(line(1), "NAME Zoë" + std::string(43, ' ') + "|");
  EXPECT_EQ(utf8Length(line(1)), 52u);
  EXPECT_EQ(g.us.styles[0][38], kStyleUnderline);
  EXPECT_EQ(g.us.styles[0][39], kStylePlain);

  // Cut after 34 characters, between two of them, never inside one.
  us.Name_String = std::string(33, 'a') + "ëëë";
  sheetFill(g, 1, SheetField::Name);
  EXPECT_EQ(line(1), "NAME " + std::string(33, 'a') + "ë" + std::string(12, ' ') + "|");

  // A byte that is no UTF-8 (a Latin-1 file) shows as one replacement mark.
  us.Race = "Zo\xEB";
  sheetFill(g, 1, SheetField::Race);
  EXPECT_EQ(line(2), "RACE Zo\uFFFD" + std::string(43, ' ') + "|");
}

// A number too long for its field fills it with the overflow mark; one that
// fits is shown whole.
TEST_F(SheetTest, OverlongNumbersShowTheOverflowMark) {
  struct Case {
    std::int32_t TCharacterDMG::*field;
    std::int32_t value;
    SheetField fill;
    int line, column, width;
    const char* shown;
  };
  const Case cases[] = {
      {&TCharacterDMG::EP, 9999, SheetField::Experience, 6, 24, 5, " 9999"},
      {&TCharacterDMG::EP, 12345, SheetField::Experience, 6, 24, 5, "#####"},
      {&TCharacterDMG::ST, 9999, SheetField::ST, 4, 3, 4, "9999"},
      {&TCharacterDMG::ST, 10000, SheetField::ST, 4, 3, 4, "####"},
      {&TCharacterDMG::DX, -1000, SheetField::DX, 6, 3, 4, "####"},
      {&TCharacterDMG::DX_adj, 1000, SheetField::DX, 6, 8, 3, "###"},
      {&TCharacterDMG::Bare_hand_Mod, -100, SheetField::BareHand, 4, 23, 6, " 1-100"},
      {&TCharacterDMG::Bare_hand_Mod, 1000, SheetField::BareHand, 4, 23, 6, "######"},
      {&TCharacterDMG::Wounds, INT32_MIN, SheetField::Wounds, 4, 38, 13, " -2147483648 "},
      {&TCharacterDMG::Extra, -9999, SheetField::Name, 3, 0, 11, "extra:-9999"},
      {&TCharacterDMG::Extra, 100000, SheetField::Name, 3, 0, 11, "extra:#####"},
  };
  for (const Case& c : cases) {
    layForm(g.us);
    us = TCharacterDMG{};
    us.ST = us.DX = 10;
    us.Bare_hand_D = 1;
    us.*c.field = c.value;
    sheetFill(g, 1, c.fill);
    EXPECT_EQ(line(c.line).substr(c.column, c.width), c.shown) << c.value;
    EXPECT_EQ(line(c.line).size(), 52u) << c.value;
  }
}

TEST(Utf8Text, MalformedBytesCountAsOneCharacterEach) {
  const std::pair<std::string_view, std::size_t> cases[] = {
      {"Zo\xC3\xAB", 3},        // ë
      {"\xF0\x9F\x97\xA1", 1},  // a four-byte character
      {"\xC0\x80", 2},          // overlong NUL
      {"\xED\xA0\x80", 3},      // a surrogate
      {"\xF4\x90\x80\x80", 4},  // beyond U+10FFFF
      {"a\xE2\x82", 3},         // cut off at the end
  };
  for (const auto& [text, chars] : cases) {
    EXPECT_EQ(utf8Length(text), chars) << text;
    EXPECT_EQ(utf8Length(utf8Repaired(text)), chars) << text;
  }
  EXPECT_EQ(utf8PrefixBytes("ab\xC3\xAB", 3), "ab");
  EXPECT_EQ(utf8Prefix("\xC3\xABx", 1), "\xC3\xAB");
}

TEST(Utf8Text, FighterStringsAreCutBetweenCharacters) {
  TCharacterDMG c;
  c.Name_String = std::string(254, 'a') + "ë";
  EXPECT_EQ(c.Name_String.str(), std::string(254, 'a'));
  c.Name_String = std::string(253, 'a') + "ë";
  EXPECT_EQ(c.Name_String.size(), 255u);
}

TEST_F(SheetTest, ThemShowsSlotTwo) {
  g.characters[1].Name_String = "Birch";
  g.characters[1].Coin = 1375000;
  refreshSheets(g);
  EXPECT_EQ(g.them.lines[0].substr(5, 5), "Birch");
  EXPECT_EQ(g.them.caption, "Birch  $1375000");
}

}  // namespace
}  // namespace vorlund

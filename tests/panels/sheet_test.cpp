#include "panels/sheet.h"

#include <gtest/gtest.h>

#include <climits>

#include "shell/utf8_text.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using namespace std::string_literals;

struct SheetTest : ::testing::Test {
  test::TestGame t;
  Game& g = t.g();
  TCharacterDMG& us = g.characters[0];
  void SetUp() override {
    for (int s = 1; s <= kSlotCount; ++s) g.slotTable[s] = g.combatantOrder[s] = s;
    layForm(g.us);
    layForm(g.them);
  }
  const std::string& line(int n) { return g.us.lines()[n - 1]; }
};

TEST_F(SheetTest, FreshFormHasAllItsBlanks) {
  EXPECT_EQ(line(1), "NAME __________________________________            |");
  EXPECT_EQ(line(6), "DX:____(___) EXPERIENCE:_____ |____________________|");
  for (const auto& l : g.us.lines()) EXPECT_EQ(l.size(), 52u);
}

TEST_F(SheetTest, RefreshFillsEveryFieldInPlace) {
  us.Name_String = "Ash", us.Race = "human", us.ST = us.DX = 12, us.Bare_hand_D = 1;
  us.Bare_hand_Mod = -1, us.Wounds = 3, us.EP = 40, us.Coin = -20;
  refreshSheets(g);
  EXPECT_EQ(line(1), "NAME Ash                                           |");
  EXPECT_EQ(line(2), "RACE human                                         |");
  EXPECT_EQ(line(4), "ST:12  (   ) Bare hand: 1-1   |Wounds: 3           |");
  EXPECT_EQ(line(6), "DX:12  (   ) EXPERIENCE: 40   |____________________|");
  EXPECT_EQ(g.us.caption(), "Ash  $-20");
  // Name underlined from column 5 to 38, the closing bar plain; wounds red, not underlined.
  const auto& st = g.us.styles();
  EXPECT_EQ(
      std::vector<int>({st[0][5], st[0][38], st[0][39], st[3][38], st[3][51]}),
      std::vector<int>({kStyleUnderline, kStyleUnderline, kStylePlain, kStyleRed, kStylePlain}));
}

TEST_F(SheetTest, ExtraIsRewrittenByEveryFill) {
  us.Extra = 12;
  sheetFill(g, 1, SheetField::Experience);
  EXPECT_EQ(line(3), "extra:   12                   |                    |");
  us.Extra = 0;
  sheetFill(g, 1, SheetField::Name);
  EXPECT_EQ(line(3).substr(0, 11), std::string(11, ' '));
}

// A short UTF-8 name on the sheet is tried by the windows' tests.
TEST_F(SheetTest, NamesAreUtf8AndCountedInCharacters) {
  // Cut after 34 characters, between two of them, never inside one.
  us.Name_String = std::string(33, 'a') + "ëëë";
  sheetFill(g, 1, SheetField::Name);
  EXPECT_EQ(line(1), "NAME " + std::string(33, 'a') + "ë" + std::string(12, ' ') + "|");

  // A byte that is no UTF-8 (a Latin-1 file) shows as one replacement mark.
  us.Race = "Zo\xEB";
  sheetFill(g, 1, SheetField::Race);
  EXPECT_EQ(line(2), "RACE Zo\uFFFD" + std::string(43, ' ') + "|");
}

// Each number in its field: a modifier with its sign, an adjustment only when
// it differs, a dead strength as "~"; a number too long for its field fills
// it with the overflow mark, one that fits is shown whole.
TEST_F(SheetTest, NumbersInTheirFieldsAndTheOverflowMark) {
  struct Case {
    std::int32_t TCharacterDMG::*field;
    std::int32_t value;
    SheetField fill;
    int line, column, width;
    const char* shown;
  };
  const Case cases[] = {
      {&TCharacterDMG::Bare_hand_Mod, 2, SheetField::BareHand, 4, 23, 6, " 1+2  "},
      {&TCharacterDMG::Bare_hand_Mod, 0, SheetField::BareHand, 4, 23, 6, " 1    "},
      {&TCharacterDMG::DX_adj, 10, SheetField::DX, 6, 0, 12, "DX:10  (   )"},
      {&TCharacterDMG::DX_adj, 9, SheetField::DX, 6, 0, 12, "DX:10  (9  )"},
      {&TCharacterDMG::ST, 666, SheetField::ST, 4, 0, 12, "ST: ~  ( ~ )"},
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
    us.ST = us.DX = us.DX_adj = 10, us.ST_adj = 4, us.Bare_hand_D = 1;
    us.*c.field = c.value;
    sheetFill(g, 1, c.fill);
    EXPECT_EQ(std::make_pair(line(c.line).substr(c.column, c.width), line(c.line).size()),
              std::make_pair(std::string(c.shown), std::size_t{52}))
        << c.value;
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
  c.Race = std::string(300, 'r');
  EXPECT_EQ(c.Race.str(), std::string(255, 'r'));
}

}  // namespace
}  // namespace vorlund

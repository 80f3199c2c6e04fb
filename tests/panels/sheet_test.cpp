#include "panels/sheet.h"

#include <gtest/gtest.h>

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

TEST_F(SheetTest, OverlongValuesKeepTheFormsColumns) {
  us.Name_String = std::string(40, 'N');
  sheetFill(g, 1, SheetField::Name);
  EXPECT_EQ(line(1).size(), 52u);
  EXPECT_EQ(line(1).back(), '|');
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

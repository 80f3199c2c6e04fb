#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "management/between_fights.h"
#include "management/names_window.h"
#include "shell/startup.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;
const Lines kRisks = {"gamble in the stands", "practice to first blood", "pay for breeding",
                      "betray guest", "rest week"};

// A started game with a short names list and the shipped menu.
struct Menu : test::TestGame {
  explicit Menu(unsigned seed = 1) {
    dir.write("names.txt", "Ash\r\nBirch\r\nCedar\r\nDun\r\nElm\r\nFir\r\n");
    dir.write("races.txt", "human\r\nhuman\r\norc\r\n");
    std::string risks;
    for (const auto& r : kRisks) risks += r + "\r\n";
    dir.write("risks.txt", risks);
    EXPECT_TRUE(startGame(g(), seed));
  }
  void click(const std::string& text) {
    for (std::size_t i = 0; i < g().names.lines.size(); ++i)
      if (g().names.lines[i] == text) return clickNames(g(), static_cast<int>(i));
    ADD_FAILURE() << "no line \"" << text << "\"";
  }
  // Ash the human at ST 12, matched for stakes.
  void createAsh() {
    click("Ash");
    click("human");
    click("12");
  }
  Lines& names() { return g().names.lines; }
};

TEST(NamesMenu, WizardThenFightThenBetweenFights) {
  Menu m;
  Game& g = m.g();
  EXPECT_EQ(g.names.state, 1);
  m.click("Ash");
  EXPECT_EQ(g.names.state, 2);
  m.click("human");
  EXPECT_EQ(g.names.state, 6);
  m.click("12");
  EXPECT_EQ(g.names.state, 7);
  m.click("release fighters");
  EXPECT_EQ(g.names.state, 7);
  EXPECT_EQ(g.turnCounter, 1);
  // The end of a fight puts the between-fights menu up.
  g.turnCounter = 0;
  showBetweenFightsMenu(g);
  EXPECT_EQ(g.names.state, 8);
  EXPECT_EQ(m.names(), kRisks);
}

TEST(NamesMenu, ReleaseAppendsCommandsAndStartsTheLogAfresh) {
  Menu m;
  Game& g = m.g();
  m.createAsh();
  const Lines wagers = m.names();
  slot(g, 1).Rest_Last_Week = true;
  slot(g, 2).Rest_Last_Week = true;
  g.turnPhase = 4;
  m.click("release fighters");
  Lines expected = wagers;
  expected.insert(expected.end(), {"", "forfit"});
  EXPECT_EQ(m.names(), expected);
  EXPECT_EQ(g.turnPhase, 1);
  EXPECT_FALSE(slot(g, 1).Rest_Last_Week);
  EXPECT_FALSE(slot(g, 2).Rest_Last_Week);
  EXPECT_EQ(g.log.lines, Lines{""});
  EXPECT_EQ(g.log.clears, 1u);

  // A second release while the fight runs changes nothing at all.
  g.turnCounter = 3;
  g.turnPhase = 2;
  m.click("release fighters");
  EXPECT_EQ(m.names(), expected);
  EXPECT_EQ(std::make_pair(g.turnCounter, g.turnPhase), std::make_pair(3, 2));
  EXPECT_EQ(g.log.clears, 1u);
  EXPECT_EQ(g.log.lines, Lines{""});
}

TEST(NamesMenu, BetrayalHidesTheGuestEntryAndArmsBetray) {
  Menu m;
  Game& g = m.g();
  m.createAsh();
  g.turnCounter = 0;
  showBetweenFightsMenu(g);
  m.click("betray guest");
  EXPECT_TRUE(g.betrayal);
  EXPECT_EQ(g.names.state, 8);
  EXPECT_EQ(m.names(), (Lines{"gamble in the stands", "practice to first blood", "pay for breeding",
                              "rest week"}));
  showBetweenFightsMenu(g);
  EXPECT_EQ(std::count(m.names().begin(), m.names().end(), "betray guest"), 0);

  m.click("gamble in the stands");
  m.click("release fighters");
  const Lines& n = m.names();
  ASSERT_GE(n.size(), 4u);
  EXPECT_EQ(Lines(n.end() - 4, n.end()), (Lines{"", "forfit", "", "betray"}));
}

TEST(NamesMenu, ClicksThatMeanNothingOnlyRefreshCaptions) {
  Menu m;
  Game& g = m.g();
  m.createAsh();
  g.turnCounter = 0;
  showBetweenFightsMenu(g);
  m.names().insert(m.names().begin() + 2, "");
  slot(g, 1).Coin = -20;
  const Lines before = m.names();
  const std::int32_t coin2 = slot(g, 2).Coin;
  clickNames(g, 2);  // an empty line
  EXPECT_EQ(g.us.caption, "Ash  $-20");
  EXPECT_EQ(g.them.caption, slot(g, 2).Name_String.str() + "  $" + std::to_string(coin2));
  clickNames(g, 99);  // below the last line
  EXPECT_EQ(g.names.selected, -1);
  clickNames(g, -1);
  EXPECT_EQ(m.names(), before);
  EXPECT_EQ(g.names.state, 8);

  // "betray" without the Betrayal flag, and any click in a state the menu
  // does not have, do nothing.
  g.names.state = 7;
  m.names().push_back("betray");
  const std::size_t logLines = g.log.lines.size();
  m.click("betray");
  EXPECT_EQ(g.log.lines.size(), logLines);
  for (int state : {0, 3, 10}) {
    g.names.state = state;
    m.click("gamble in the stands");
    EXPECT_EQ(g.names.state, state);
    EXPECT_EQ(slot(g, 1).Coin, -20);
  }
}

TEST(MatchSetUp, GambleReplacesTheDeadAndTakesBothStakes) {
  Menu m;
  Game& g = m.g();
  m.createAsh();
  g.turnCounter = 0;
  showBetweenFightsMenu(g);
  slot(g, 1).Wounds = 12;  // Ash died
  slot(g, 1).Coin = 1000;
  slot(g, 2).Engaged = true;
  slot(g, 2).Lose_next_turn = true;
  slot(g, 2).Stance = 1;
  const std::int32_t coin2 = slot(g, 2).Coin;
  m.click("gamble in the stands");

  const TCharacterDMG& us = slot(g, 1);
  const TCharacterDMG& them = slot(g, 2);
  EXPECT_NE(us.Name_String, "Ash");
  EXPECT_EQ(us.Wounds, 0);
  EXPECT_EQ(us.Age, us.ST + us.DX + us.Extra);
  EXPECT_GT(us.Bet_value, 0);
  EXPECT_EQ(us.Coin, 1000 - us.Bet_value);
  EXPECT_EQ(them.Coin, coin2 - them.Bet_value);
  EXPECT_TRUE(g.fightToDeath);
  EXPECT_FALSE(them.Engaged);
  EXPECT_TRUE(them.Engaged_last_turn);
  EXPECT_FALSE(them.Lose_next_turn);
  EXPECT_EQ(them.Stance, 5);
  EXPECT_EQ(std::make_tuple(us.Hex, them.Hex, g.arenaCentre), std::make_tuple(196, 577, 1272));
  EXPECT_EQ(g.fightDistance, 12);
  EXPECT_EQ(g.us.caption, "Us      $" + std::to_string(us.Coin));
  EXPECT_EQ(g.them.caption, "Them    $" + std::to_string(them.Coin));
  EXPECT_EQ(g.names.state, 8);
  EXPECT_EQ(m.names(), (Lines{"", us.Name_String.str() + "$" + std::to_string(us.Bet_value),
                              them.Name_String.str() + "$" + std::to_string(them.Bet_value), "",
                              "$" + std::to_string(us.Bet_value + them.Bet_value), " is wagered",
                              "", "release fighters"}));
  m.click("release fighters");
  EXPECT_EQ(g.names.state, 7);
}

TEST(MatchSetUp, PracticeRefusedWhileAnyoneIsWounded) {
  Menu m;
  Game& g = m.g();
  m.createAsh();
  g.turnCounter = 0;
  showBetweenFightsMenu(g);
  slot(g, 2).Wounds = 3;
  const std::int32_t coin1 = slot(g, 1).Coin;
  g.fightToDeath = true;
  m.click("practice to first blood");
  Lines expected = kRisks;
  expected.push_back(slot(g, 2).Name_String.str() + " is wounded 3");
  EXPECT_EQ(m.names(), expected);
  EXPECT_TRUE(g.fightToDeath);
  EXPECT_EQ(slot(g, 1).Coin, coin1);

  slot(g, 1).Wounds = 1;
  showBetweenFightsMenu(g);
  m.click("practice to first blood");
  EXPECT_EQ(Lines(m.names().end() - 2, m.names().end()),
            (Lines{"Ash is wounded 1", slot(g, 2).Name_String.str() + " is wounded 3"}));
}

TEST(MatchSetUp, PracticeStakesNothing) {
  Menu m;
  Game& g = m.g();
  m.createAsh();
  g.turnCounter = 0;
  showBetweenFightsMenu(g);
  const std::int32_t coin1 = slot(g, 1).Coin;
  const std::int32_t coin2 = slot(g, 2).Coin;
  slot(g, 1).Engaged = true;
  slot(g, 1).Stance = 1;
  m.click("practice to first blood");
  EXPECT_FALSE(g.fightToDeath);
  EXPECT_EQ(std::make_pair(slot(g, 1).Coin, slot(g, 2).Coin), std::make_pair(coin1, coin2));
  EXPECT_EQ(std::make_pair(slot(g, 1).Bet_value, slot(g, 2).Bet_value), std::make_pair(0, 0));
  EXPECT_TRUE(slot(g, 1).Engaged) << "a practice leaves the stance as it is";
  EXPECT_EQ(slot(g, 1).Stance, 1);
  EXPECT_EQ(m.names(), (Lines{"", "Ash$0", slot(g, 2).Name_String.str() + "$0", "", "$0",
                              " is wagered", "", "release fighters"}));
}

TEST(NamesMenu, MissingRisksStillGiveTheMenu) {
  Menu m;
  Game& g = m.g();
  std::filesystem::remove(m.dir.path() / "risks.txt");
  g.betrayal = true;
  showBetweenFightsMenu(g);
  EXPECT_EQ(m.names(), (Lines{"gamble in the stands", "practice to first blood", "pay for breeding",
                              "rest week"}));
  EXPECT_EQ(g.log.lines.back(), "Cannot open file risks.txt");
}

}  // namespace
}  // namespace vorlund

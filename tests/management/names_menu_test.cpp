// The Names window's menu: the match set up for stakes or for practice, the
// release, betrayal, and clicks that mean nothing.
#include <gtest/gtest.h>

#include "fighters/fighter_value.h"
#include "management/between_fights.h"
#include "stable.h"
#include "world/arena_start.h"

namespace vorlund::test {
namespace {

using namespace std::string_literals;
const Lines kRisks = {"gamble in the stands", "practice to first blood", "pay for breeding",
                      "betray guest", "rest week"};

// Ash, a human of ST 12, made by the wizard and matched for stakes; that
// first fight is over.
struct Menu : Stable {
  Menu() {
    for (const char* line : {"Ash", "human", "12"}) click(line);
    fightEnds();
  }
  void fightEnds() {
    g().turnCounter = 0;
    showBetweenFightsMenu(g());
  }
  const Lines& lines() { return g().names.lines(); }
  TCharacterDMG& us() { return slot(g(), 1); }
  TCharacterDMG& them() { return slot(g(), 2); }
  std::string wager(const TCharacterDMG& c) {
    return c.Name_String.str() + "$" + std::to_string(c.Bet_value);
  }
};

TEST(NamesMenu, ReleaseStartsTheFightOnceAndOffersTheCommands) {
  Menu m;
  Game& g = m.g();
  EXPECT_EQ(std::make_pair(g.names.state(), m.lines()),
            std::make_pair(MenuState::BetweenFights, kRisks));
  m.click("gamble in the stands");
  EXPECT_EQ(g.names.state(), MenuState::BetweenFights) << "the state waits for the release";
  Lines expected = m.lines();
  expected.insert(expected.end(), {"", "forfit"});
  m.us().Rest_Last_Week = m.them().Rest_Last_Week = true;
  g.turnPhase = TurnPhase::Actions;
  for (int press = 0; press < 2; ++press) {  // the second comes while the fight runs
    m.click("release fighters");
    EXPECT_EQ(std::make_tuple(g.names.state(), g.turnCounter, g.turnPhase, m.lines()),
              std::make_tuple(MenuState::Fight, 1, TurnPhase::Start, expected));
    EXPECT_FALSE(m.us().Rest_Last_Week || m.them().Rest_Last_Week);
    EXPECT_EQ(std::make_pair(g.log.lines(), g.log.clears()),
              std::make_pair(Lines{""}, std::uint64_t{1}));
    g.turnPhase = TurnPhase::Start;
  }
}

TEST(NamesMenu, BetrayGuestOnceThenBetrayIsOffered) {
  Menu m;
  Game& g = m.g();
  namesSetState(g.names, MenuState::Fight);
  g.turnCounter = 1;
  namesAdd(g.names, "betray");
  const Lines log = g.log.lines();
  m.click("betray");  // the guest is not betrayed yet: not even a zap line
  EXPECT_EQ(g.log.lines(), log);

  m.fightEnds();
  m.click("betray guest");
  const Lines menu = {kRisks[0], kRisks[1], kRisks[2], kRisks[4]};
  EXPECT_EQ(std::make_tuple(g.betrayal, g.names.state(), m.lines()),
            std::make_tuple(true, MenuState::BetweenFights, menu));
  m.fightEnds();
  EXPECT_EQ(m.lines(), menu);
  m.click("practice to first blood");
  m.click("release fighters");
  EXPECT_EQ(Lines(m.lines().end() - 5, m.lines().end()),
            Lines({"release fighters", "", "forfit", "", "betray"}));

  std::filesystem::remove(m.dir.path() / "risks.txt");  // the menu is built in
  m.fightEnds();
  EXPECT_EQ(std::make_pair(m.lines(), g.log.lines().back()),
            std::make_pair(menu, "Cannot open file risks.txt"s));
}

TEST(NamesMenu, ClicksThatMeanNothingOnlyRefreshTheCaptions) {
  Menu m;
  Game& g = m.g();
  Lines before = m.lines();
  before.insert(before.begin() + 2, "");
  namesReplace(g.names, before);
  m.us().Coin = -20, m.them().Coin = 7, m.them().Name_String = "Elm";
  for (int line : {2, 99, -1}) {  // an empty line, below the last, above the first
    sheetSetCaption(g.us, "");
    sheetSetCaption(g.them, "");
    clickNames(g, line);
    EXPECT_EQ(std::make_pair(g.us.caption(), g.them.caption()),
              std::make_pair("Ash  $-20"s, "Elm  $7"s));
  }
  for (int number : {0, 3, 10}) {  // states the menu does not have
    const auto state = static_cast<MenuState>(number);
    namesSetState(g.names, state);
    m.click("gamble in the stands");
    EXPECT_EQ(std::make_tuple(g.names.state(), m.us().Coin, m.lines()),
              std::make_tuple(state, -20, before));
  }
}

TEST(MatchSetUp, GambleReplacesTheDeadAndStakesBothPurses) {
  Menu m;
  Game& g = m.g();
  m.us().Wounds = 12;  // Ash died
  m.us().Coin = 1000, m.them().Coin = 50;
  m.them().Engaged = m.them().Lose_next_turn = true;
  m.them().Engaged_last_turn = false;
  m.them().Stance = 1;
  g.fightToDeath = false;
  m.click("gamble in the stands");

  const TCharacterDMG &us = m.us(), &them = m.them();
  EXPECT_NE(us.Name_String, "Ash");
  EXPECT_EQ(std::make_pair(us.Wounds, us.Age), std::make_pair(0, us.ST + us.DX + us.Extra));
  EXPECT_EQ(std::make_tuple(us.Bet_value, them.Bet_value, us.Coin, them.Coin),
            std::make_tuple(fighterValue(us), fighterValue(them), 1000 - us.Bet_value,
                            50 - them.Bet_value));
  EXPECT_EQ(std::make_tuple(g.fightToDeath, them.Engaged, them.Engaged_last_turn,
                            them.Lose_next_turn, them.Stance),
            std::make_tuple(true, false, true, false, 5));
  // The cells, the centre and the menu's wager lines are played through by a scenario.
  EXPECT_EQ(std::make_tuple(g.fightDistance, g.us.caption(), g.them.caption()),
            std::make_tuple(kRestDistance, "Us      $" + std::to_string(us.Coin),
                            "Them    $" + std::to_string(them.Coin)));
}

TEST(MatchSetUp, PracticeRefusedWhileAnyoneIsWoundedElseFreeOfStakes) {
  Menu m;
  Game& g = m.g();
  const std::int32_t coin1 = m.us().Coin, coin2 = m.them().Coin;
  m.us().Wounds = 1, m.them().Wounds = 3;
  m.click("practice to first blood");
  Lines expected = kRisks;
  expected.insert(expected.end(),
                  {"Ash is wounded 1", m.them().Name_String.str() + " is wounded 3"});
  EXPECT_EQ(std::make_pair(m.lines(), g.fightToDeath), std::make_pair(expected, true));

  // A fight that ended in a clinch: the practice starts them apart, else as
  // they stood.
  m.us().Wounds = m.them().Wounds = 0;
  m.us().Engaged = m.them().Engaged = true;
  m.us().Engaged_last_turn = m.us().Lose_next_turn = false;
  m.us().Stance = 1;
  m.fightEnds();
  m.click("practice to first blood");
  EXPECT_EQ(
      std::make_tuple(g.fightToDeath, m.us().Coin, m.them().Coin, m.us().Engaged, m.them().Engaged,
                      m.us().Engaged_last_turn, m.us().Lose_next_turn, m.us().Stance),
      std::make_tuple(false, coin1, coin2, false, false, false, false, 1));
  EXPECT_EQ(m.lines(), Lines({"", "Ash$0", m.them().Name_String.str() + "$0", "", "$0",
                              " is wagered", "", "release fighters"}));
}

// When a match waits for "release fighters" (and so has odds to show); the
// wizard's match is tried by the windows' tests.
TEST(ReleaseWait, OnlyAMatchSetUpAndNotYetReleased) {
  Menu m;
  Game& g = m.g();
  EXPECT_FALSE(awaitingRelease(g)) << "the between-fights menu";
  m.click("practice to first blood");
  EXPECT_TRUE(awaitingRelease(g)) << "a practice waits in the between-fights state";
  m.click("release fighters");
  EXPECT_FALSE(awaitingRelease(g)) << "the fight is on, with the wagers still listed";
  g.turnCounter = 0;
  namesSetState(g.names, MenuState::Farm);
  EXPECT_FALSE(awaitingRelease(g)) << "in the farm menu the line means nothing";
}

}  // namespace
}  // namespace vorlund::test

// The farm: "pay for breeding", the farm menu, and fighters going out to
// pasture and coming back.
#include <gtest/gtest.h>

#include "management/farm_menu.h"
#include "stable.h"

namespace vorlund::test {
namespace {

using namespace std::string_literals;
const Lines kRisks = {"gamble in the stands", "practice to first blood", "pay for breeding",
                      "betray guest", "rest week"};
const Lines kSix = {"Cedar", "Dun", "Elm", "Fir", "Gorse", "Holm"};
const Lines kFarmIsFull = {"", "the Farm is full", " either close the game", " or reactivate",
                           " a slave"};

// Ash in the arena, Brak the guest, and the farm holding `farm` names from
// slot 3 on; the between-fights menu is shown.
struct Farm : Stable {
  explicit Farm(const Lines& farm) {
    make(1, "Ash");
    make(2, "Brak");
    for (std::size_t i = 0; i < farm.size(); ++i)
      make(3 + static_cast<int>(i), farm[i], "orc", 10).EP = static_cast<std::int32_t>(i);
    namesReplace(g().names, kRisks);
    namesSetState(g().names, MenuState::BetweenFights);
    logClear(g().log);
  }
  void showFarm(const Lines& lines) {
    namesSetState(g().names, MenuState::Farm);
    namesReplace(g().names, lines);
  }
};

TEST(Breeding, TheLivingFighterGoesToTheLowestFreeSlot) {
  Farm t({"Cedar", "Dun"});
  slot(t.g(), 4).Name_String = "";  // Dun left; slot 4 is free again
  TCharacterDMG &ash = slot(t.g(), 1), &stored = slot(t.g(), 4);
  ash.Wounds = 3, ash.Coin = 77, ash.Rest_Last_Week = true;
  t.click("pay for breeding");
  EXPECT_EQ(t.log(), Lines({"Ash", "Brak", "Cedar", "", "", "", "", ""}))
      << "the names as they were before he moved";
  EXPECT_EQ(std::make_tuple(stored.Name_String.str(), stored.Wounds, stored.Rest_Last_Week),
            std::make_tuple("Ash", 3, true));
  // Slot 1 is cleared; his purse stays with the slot.
  EXPECT_EQ(std::make_tuple(ash.Name_String.str(), ash.ST, ash.Coin, ash.Engaged_last_turn,
                            t.g().us.caption(), t.g().names.state(), t.g().names.lines()),
            std::make_tuple("", 0, 77, true, "  $77", MenuState::Farm,
                            Lines({" leave out to pasture", "", "Cedar", "Ash"})));
}

TEST(Breeding, TheDeadStayAndAFullFarmSaysSoTwiceInItsOwnCapitals) {
  Farm dead({"Cedar"});
  slot(dead.g(), 1).Wounds = 12;
  dead.click("pay for breeding");
  EXPECT_EQ(std::make_tuple(dead.log(), dead.names(), dead.g().names.lines()),
            std::make_tuple(Lines{}, Lines({"Ash", "Brak", "Cedar", "", "", "", "", ""}),
                            Lines({" leave out to pasture", "", "Cedar"})));

  for (const bool hired : {false, true}) {
    Farm full(kSix);
    full.g().necromancerHired = hired;
    full.click("pay for breeding");
    Lines expected = {" leave out to pasture", "", "", "the farm is full"};
    expected.insert(expected.end(), kSix.begin(), kSix.end());
    if (hired)
      expected.push_back("necromancer");
    else
      expected.insert(expected.end(), {"", "The Farm is Full", "", "hire necromancer"});
    EXPECT_EQ(std::make_pair(full.g().names.lines(), slot(full.g(), 1).Name_String.str()),
              std::make_pair(expected, "Ash"s))
        << "he stays in the arena";
    full.click(hired ? "necromancer" : "The Farm is Full");
    EXPECT_EQ(std::make_pair(full.g().names.state(), full.g().names.lines()),
              std::make_pair(MenuState::Farm, expected))
        << "lines that name no fighter do nothing";
  }
}

TEST(FarmMenu, TakingBackTheSlot3FighterClosesTheGap) {
  Farm t({"Cedar", "Dun", "Elm"});
  t.g().betrayal = true;
  t.click("pay for breeding");  // Ash joins them in slot 6
  t.click("Cedar");
  EXPECT_EQ(t.names(), Lines({"Cedar", "Brak", "Dun", "Elm", "Ash", "", "", ""}));
  EXPECT_EQ(std::make_pair(slot(t.g(), 1).EP, slot(t.g(), 3).EP), std::make_pair(0, 1))
      << "whole fighters move, not only names";
  EXPECT_EQ(std::make_pair(t.g().names.state(), t.g().names.lines()),
            std::make_pair(MenuState::BetweenFights,
                           Lines({kRisks[0], kRisks[1], kRisks[2], kRisks[4]})));

  Farm last(kSix);
  last.showFarm({"Holm"});
  last.click("Holm");
  EXPECT_EQ(last.names(), Lines({"Holm", "Brak", "Cedar", "Dun", "Elm", "Fir", "Gorse", ""}));
  EXPECT_EQ(slot(last.g(), 8).Race, "orc") << "the freed slot keeps the rest of its values";
}

TEST(FarmMenu, OnlyAFarmFighterIsTakenBack) {
  Farm t({"Cedar", "Dun"});
  slot(t.g(), 2).Name_String = "Dun";  // a guest who bears a farm fighter's name
  t.showFarm({"Dun"});
  t.click("Dun");
  EXPECT_EQ(t.names(), Lines({"Dun", "Dun", "Cedar", "", "", "", "", ""}));
  EXPECT_EQ(slot(t.g(), 1).Race, "orc") << "the farm's Dun came, not the guest";
}

TEST(FarmMenu, PastureStartsANewFighterUnlessTheFarmIsFull) {
  Farm t({"Cedar"});
  t.click("pay for breeding");
  RandomGenerator r = t.g().rng;
  t.click(" leave out to pasture");
  const Lines names = {"Ash", "Birch", "Cedar", "Dun", "Elm", "Fir", "Gorse"};
  EXPECT_EQ(std::make_tuple(t.g().names.state(), t.g().names.lines(), t.g().names.selected()),
            std::make_tuple(MenuState::ChooseName, names, r.random(7)));

  Farm full(kSix);
  full.showFarm({" leave out to pasture"});
  full.click(" leave out to pasture");
  Lines expected = {" leave out to pasture"};
  expected.insert(expected.end(), kFarmIsFull.begin(), kFarmIsFull.end());
  EXPECT_EQ(std::make_tuple(full.g().names.state(), full.g().names.lines(), full.log(),
                            full.g().log.selected()),
            std::make_tuple(MenuState::Farm, expected, kFarmIsFull, 4));
}

}  // namespace
}  // namespace vorlund::test

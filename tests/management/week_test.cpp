// "rest week": upkeep, healing, the farm's bravery, the necromancer's trade
// and the graves' age.
#include <gtest/gtest.h>

#include "management/necromancer.h"
#include "management/rest_week.h"
#include "stable.h"

namespace vorlund::test {
namespace {

// No graves but these, the necromancer hired or not, and dice on which he
// does not make his grave error unless `wanted` says otherwise.
struct Week : Stable {
  explicit Week(
      const std::vector<Grave>& graves = {}, bool hired = false,
      const std::function<bool(RandomGenerator&)>& wanted = [](RandomGenerator& r) {
        return r.dice(3) != 18;
      }) {
    g().graveyard.count = 0;
    for (const Grave& grave : graves) g().graveyard.graves[g().graveyard.count++] = grave;
    g().necromancerHired = hired;
    g().rng.seed = seedWhere(wanted);
    logClear(g().log);
  }
};

TEST(RestWeek, NamedLivingFightersPayAndEveryLivingOneHeals) {
  Week t;
  TCharacterDMG& ash = t.make(1, "Ash");
  ash.Coin = 10, ash.Wounds = 2, ash.Rest_Last_Week = false;
  TCharacterDMG& guest = t.make(2, "Brak");
  guest.Coin = 50, guest.Wounds = 5, guest.Rest_Last_Week = true;
  t.make(3, "Cedar").Coin = 100;
  TCharacterDMG& dead = t.make(4, "Dun");
  dead.Coin = 7, dead.Wounds = 12;
  TCharacterDMG& leftOver = slot(t.g(), 6);  // a free slot that kept a fighter's values
  leftOver.ST = 12, leftOver.Wounds = 6, leftOver.Coin = 9;
  restWeek(t.g());
  EXPECT_EQ(t.log(), Lines({"-20$ farm support", "-20$ farm support"}));
  EXPECT_EQ(t.g().log.selected(), 1);
  EXPECT_EQ(std::make_tuple(ash.Coin, ash.Wounds, ash.Rest_Last_Week, guest.Coin, guest.Wounds,
                            guest.Rest_Last_Week, slot(t.g(), 3).Coin, dead.Coin, dead.Wounds,
                            leftOver.Wounds, leftOver.Coin),
            std::make_tuple(-10, 0, true, 50, 1, false, 80, 7, 12, 3, 9));
  EXPECT_EQ(t.g().us.lines()[3].substr(38, 13), " 0           ");
  ash.Wounds = 5;  // he rested last week: four heal this time
  restWeek(t.g());
  EXPECT_EQ(std::make_pair(ash.Wounds, ash.Rest_Last_Week), std::make_pair(1, false));
}

TEST(RestWeek, AFarmFighterGrowsBraverOnADieAboveHisBravery) {
  struct Case {
    std::string race;
    std::int32_t roll, bravery, after;
  };
  for (const Case& c : std::vector<Case>{{"human", 6, 5, 6},
                                         {"human", 5, 5, 5},
                                         {"boa constrictor", 6, 5, 5},
                                         {"orc", 2, 1, 2}}) {
    Week t({}, false, [&](RandomGenerator& r) { return r.dice(1) == c.roll; });
    TCharacterDMG& f = t.make(3, "Cedar", c.race);
    f.Bravery = c.bravery;
    restWeek(t.g());
    EXPECT_EQ(f.Bravery, c.after) << c.race << " rolled " << c.roll;
  }
}

TEST(Necromancer, SellsNewestFirstTellingTheSaleOnceAndAgesWhatIsLeft) {
  // An orc, a dwarf of whom nothing sells, and a freshly buried human.
  Week t({{100, 3, 2}, {101, 3, 4}, {102, 1, 1}}, true);
  t.make(1, "Ash").Coin = 1000;
  restWeek(t.g());
  EXPECT_EQ(t.log(), Lines({"-20$ farm support", "-30$ Necromancer pay", "Necromancer sold",
                            "$200 human brain", "$100 human eyes", " $30 orc liver"}));
  EXPECT_EQ(std::make_tuple(slot(t.g(), 1).Coin, t.g().graveyard.count, t.g().necromancerHired,
                            t.g().log.selected()),
            std::make_tuple(1000 - 20 - 30 + 330, 0, true, 5));
}

TEST(Necromancer, EachRaceFetchesItsPriceAndOnlyAFreshHumanSells) {
  struct Case {
    std::int32_t race, age, money;
    Lines lines;
  };
  for (const Case& c : std::vector<Case>{{1, 1, 300, {"$200 human brain", "$100 human eyes"}},
                                         {1, 2, 0, {}},
                                         {2, 9, 30, {" $30 orc liver"}},
                                         {3, 1, 3, {" $3 elves toenails"}},
                                         {12, 1, 150, {"$150 hymenopteran"}},
                                         {13, 1, 20, {"$20 snake's backbone"}},
                                         {0, 1, 0, {}},
                                         {11, 1, 0, {}}}) {
    Week t({{5, c.age, c.race}});
    slot(t.g(), 1).Coin = 0;
    necromancerWeek(t.g());
    Lines expected = {"-30$ Necromancer pay"};
    if (!c.lines.empty()) expected.push_back("Necromancer sold");
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(std::make_tuple(t.log(), slot(t.g(), 1).Coin, t.g().graveyard.count),
              std::make_tuple(expected, c.money - 30, 0))
        << "race " << c.race << " age " << c.age;
  }
}

TEST(Necromancer, VisitsTenGravesAWeek) {
  std::vector<Grave> graves;
  for (std::int32_t i = 1; i <= 15; ++i) graves.push_back({i, i, 4});
  graves[0].age = INT32_MAX;  // as old as a grave can be
  Week t(graves, true);
  restWeek(t.g());
  ASSERT_EQ(t.g().graveyard.count, 5);
  for (std::int32_t i = 1; i <= 5; ++i) {
    const Grave& grave = t.g().graveyard.graves[i - 1];
    EXPECT_EQ(std::make_pair(grave.cell, grave.age), std::make_pair(i, i == 1 ? INT32_MAX : i + 1));
  }
  EXPECT_EQ(t.g().graveyard.graves[5].cell, 0) << "a sold grave leaves nothing behind";
}

TEST(Necromancer, ThreeSixesThenMoreThanEightOnFourDiceAndHeJoinsTheDead) {
  for (const bool dies : {true, false}) {
    Week t({{5, 1, 2}}, true,
           [&](RandomGenerator& r) { return r.dice(3) == 18 && (r.dice(4) > 8) == dies; });
    slot(t.g(), 1).Coin = 0;
    restWeek(t.g());
    const Lines told = dies ? Lines{"-30$ Necromancer pay", "Necromancer makes a",
                                    " grave error and", " joins the dead"}
                            : Lines{"-30$ Necromancer pay", "Necromancer sold", " $30 orc liver"};
    // A dead necromancer was paid, and the grave only grew older; a sold
    // grave leaves nothing behind.
    EXPECT_EQ(std::make_tuple(t.log(), t.g().necromancerHired, slot(t.g(), 1).Coin,
                              t.g().graveyard.count, t.g().graveyard.graves[0].age),
              std::make_tuple(told, !dies, dies ? -30 : 0, dies ? 1 : 0, dies ? 2 : 0));
  }
}

}  // namespace
}  // namespace vorlund::test

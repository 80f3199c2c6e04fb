// "rest week": upkeep, healing, the farm's bravery, the necromancer's trade
// and the graves' age.
#include <gtest/gtest.h>

#include "management/necromancer.h"
#include "management/rest_week.h"
#include "stable.h"

namespace vorlund::test {
namespace {

const Lines& log(const Game& g) {
  return g.log.lines;
}

void dig(Game& g, std::int32_t cell, std::int32_t age, std::int32_t race) {
  g.graveyard.graves[static_cast<std::size_t>(g.graveyard.count++)] = Grave{cell, age, race};
}

TEST(RestWeek, NamedLivingFightersPayAndEveryLivingOneHeals) {
  Stable t;
  Game& g = t.g();
  g.graveyard.count = 0;
  TCharacterDMG& ash = t.make(1, "Ash");
  ash.Coin = 10, ash.Wounds = 2, ash.Rest_Last_Week = false;
  TCharacterDMG& guest = t.make(2, "Brak");
  guest.Coin = 50, guest.Wounds = 5, guest.Rest_Last_Week = true;
  TCharacterDMG& cedar = t.make(3, "Cedar");
  cedar.Coin = 100;
  TCharacterDMG& dead = t.make(4, "Dun");
  dead.Coin = 7, dead.Wounds = 12;
  TCharacterDMG& leftOver = slot(g, 6);  // a free slot that kept a fighter's values
  leftOver.ST = 12, leftOver.Wounds = 6, leftOver.Coin = 9;
  g.log.lines.clear();

  restWeek(g);
  EXPECT_EQ(log(g), Lines({"-20$ farm support", "-20$ farm support"}));
  EXPECT_EQ(g.log.selected, 1);
  EXPECT_EQ(std::make_tuple(ash.Coin, ash.Wounds, ash.Rest_Last_Week),
            std::make_tuple(-10, 0, true));
  EXPECT_EQ(std::make_tuple(guest.Coin, guest.Wounds, guest.Rest_Last_Week),
            std::make_tuple(50, 1, false));
  EXPECT_EQ(std::make_pair(cedar.Coin, dead.Coin), std::make_pair(80, 7));
  EXPECT_EQ(std::make_tuple(dead.Wounds, leftOver.Wounds, leftOver.Coin),
            std::make_tuple(12, 3, 9));
  EXPECT_EQ(g.us.lines[3].substr(38, 13), " 0           ");

  ash.Wounds = 5;  // he rested last week: four heal this time
  restWeek(g);
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
    Stable t;
    t.g().graveyard.count = 0;
    TCharacterDMG& f = t.make(3, "Cedar", c.race);
    f.Bravery = c.bravery;
    t.g().rng.seed = seedWhere([&](RandomGenerator& r) { return r.dice(1) == c.roll; });
    restWeek(t.g());
    EXPECT_EQ(f.Bravery, c.after) << c.race << " rolled " << c.roll;
  }
}

TEST(Necromancer, SellsNewestFirstTellingTheSaleOnceAndAgesWhatIsLeft) {
  Stable t;
  Game& g = t.g();
  g.graveyard.count = 0;
  dig(g, 100, 3, 2);  // an orc
  dig(g, 101, 3, 4);  // a dwarf: nothing of him sells
  dig(g, 102, 1, 1);  // a human, freshly buried
  t.make(1, "Ash").Coin = 1000;
  g.necromancerHired = true;
  g.rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(3) != 18; });
  g.log.lines.clear();
  restWeek(g);
  EXPECT_EQ(log(g), Lines({"-20$ farm support", "-30$ Necromancer pay", "Necromancer sold",
                           "$200 human brain", "$100 human eyes", " $30 orc liver"}));
  EXPECT_EQ(std::make_tuple(slot(g, 1).Coin, g.graveyard.count, g.necromancerHired),
            std::make_tuple(1000 - 20 - 30 + 330, 0, true));
  EXPECT_EQ(g.log.selected, 5);
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
    Stable t;
    Game& g = t.g();
    g.graveyard.count = 0;
    dig(g, 5, c.age, c.race);
    slot(g, 1).Coin = 0;
    g.rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(3) != 18; });
    g.log.lines.clear();
    necromancerWeek(g);
    Lines expected = {"-30$ Necromancer pay"};
    if (!c.lines.empty()) expected.push_back("Necromancer sold");
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(std::make_tuple(log(g), slot(g, 1).Coin, g.graveyard.count),
              std::make_tuple(expected, c.money - 30, 0))
        << "race " << c.race << " age " << c.age;
  }
}

TEST(Necromancer, VisitsTenGravesAWeek) {
  Stable t;
  Game& g = t.g();
  g.graveyard.count = 0;
  for (std::int32_t i = 1; i <= 15; ++i) dig(g, i, i, 4);
  g.graveyard.graves[0].age = INT32_MAX;  // as old as a grave can be
  g.necromancerHired = true;
  g.rng.seed = seedWhere([](RandomGenerator& r) { return r.dice(3) != 18; });
  restWeek(g);
  ASSERT_EQ(g.graveyard.count, 5);
  for (std::int32_t i = 1; i <= 5; ++i) {
    const Grave& grave = g.graveyard.graves[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(std::make_pair(grave.cell, grave.age), std::make_pair(i, i == 1 ? INT32_MAX : i + 1));
  }
  EXPECT_EQ(g.graveyard.graves[5].cell, 0) << "a sold grave leaves nothing behind";
}

TEST(Necromancer, ThreeSixesThenMoreThanEightOnFourDiceAndHeJoinsTheDead) {
  for (const bool dies : {true, false}) {
    Stable t;
    Game& g = t.g();
    g.graveyard.count = 0;
    dig(g, 5, 1, 2);
    slot(g, 1).Coin = 0;
    g.necromancerHired = true;
    g.rng.seed =
        seedWhere([&](RandomGenerator& r) { return r.dice(3) == 18 && (r.dice(4) > 8) == dies; });
    g.log.lines.clear();
    restWeek(g);
    if (dies) {
      EXPECT_EQ(log(g), Lines({"-30$ Necromancer pay", "Necromancer makes a", " grave error and",
                               " joins the dead"}));
      EXPECT_EQ(std::make_tuple(g.necromancerHired, slot(g, 1).Coin, g.graveyard.count,
                                g.graveyard.graves[0].age),
                std::make_tuple(false, -30, 1, 2))
          << "paid, and the grave only grew older";
    } else {
      EXPECT_EQ(std::make_tuple(g.necromancerHired, slot(g, 1).Coin, g.graveyard.count),
                std::make_tuple(true, 0, 0));
    }
  }
}

}  // namespace
}  // namespace vorlund::test

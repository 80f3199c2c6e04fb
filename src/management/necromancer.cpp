#include "management/necromancer.h"

#include <array>
#include <limits>
#include <string_view>

#include "state/game.h"
#include "state/log_model.h"
#include "state/wrap32.h"

namespace vorlund {

namespace {

constexpr std::int32_t kPay = 30;
constexpr int kGravesPerWeek = 10;

// What one grave fetches, by the race code of its dead.
struct Sale {
  std::int32_t money = 0;
  std::array<std::string_view, 2> lines{};
};

// Only a fresh human brain is worth selling; the rest keep.
Sale saleOf(const Grave& grave) {
  switch (grave.race) {
    case 1:
      if (grave.age < 2) return {300, {"$200 human brain", "$100 human eyes"}};
      return {};
    case 2:
      return {30, {" $30 orc liver"}};
    case 3:
      return {3, {" $3 elves toenails"}};
    case 12:
      return {150, {"$150 hymenopteran"}};
    case 13:
      return {20, {"$20 snake's backbone"}};
    default:
      return {};
  }
}

// Three sixes, then more than eight on four dice: the dead take him.
bool diesThisWeek(Game& g) {
  return g.rng.dice(3) == 18 && g.rng.dice(4) > 8;
}

Grave takeNewestGrave(Graveyard& yard) {
  if (yard.count > Graveyard::kMaxGraves) yard.count = Graveyard::kMaxGraves;
  const auto i = static_cast<std::size_t>(--yard.count);
  const Grave grave = yard.graves[i];
  yard.graves[i] = Grave{};
  return grave;
}

std::int32_t sellGraves(Game& g) {
  std::int32_t money = 0;
  bool told = false;
  Graveyard& yard = g.graveyard;
  for (int visited = 0; visited < kGravesPerWeek && yard.count > 0; ++visited) {
    const Sale sale = saleOf(takeNewestGrave(yard));
    if (sale.money == 0) continue;
    if (!told) logAdd(g.log, "Necromancer sold");
    told = true;
    for (std::string_view line : sale.lines)
      if (!line.empty()) logAdd(g.log, line);
    money += sale.money;
  }
  return money;
}

}  // namespace

void necromancerWeek(Game& g) {
  TCharacterDMG& us = slot(g, 1);
  us.Coin = wrappedSum(us.Coin, -kPay);
  logAdd(g.log, "-30$ Necromancer pay");
  if (diesThisWeek(g)) {
    g.necromancerHired = false;
    for (const char* line : {"Necromancer makes a", " grave error and", " joins the dead"})
      logAdd(g.log, line);
  } else {
    us.Coin = wrappedSum(us.Coin, sellGraves(g));
  }
  logShowLast(g.log);
}

void ageGraves(Game& g) {
  Graveyard& yard = g.graveyard;
  const int count = yard.count < Graveyard::kMaxGraves ? yard.count : Graveyard::kMaxGraves;
  for (int i = 0; i < count; ++i) {
    std::int32_t& age = yard.graves[static_cast<std::size_t>(i)].age;
    // A grave old beyond counting stays that old.
    if (age < std::numeric_limits<std::int32_t>::max()) ++age;
  }
}

}  // namespace vorlund

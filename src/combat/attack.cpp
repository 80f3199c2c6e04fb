#include "combat/attack.h"

#include <array>
#include <string>

#include "combat/fight_queues.h"
#include "fighters/race_traits.h"
#include "panels/sheet.h"
#include "state/game.h"
#include "state/log_model.h"
#include "state/wrap32.h"

namespace vorlund {

namespace {

constexpr std::string_view kBoa = "boa constrictor";

constexpr std::array<std::string_view, 20> kLocations = {
    "eye",          "temple",       "naison",      "nose", "philtrum",     "jaw",    "throat",
    "adam's apple", "esophagus",    "collar bone", "ear",  "solar plexus", "armpit", "groin",
    "nape of neck", "back of neck", "coccyx",      "gut",  "kidney",       "rib"};

constexpr std::array<std::string_view, 10> kBlows = {
    " slapped ",  " clawed ", " kneed ", " elbowed ", " palm jammed ",
    " knuckled ", " gouged ", " shot ",  " smashed ", " shattered "};

// Natural rolls of 3, 4 and 5 always land (the first two doubling and
// tripling the blow); 16 and up always miss.
std::int32_t hitMultiplier(std::int32_t roll, std::int32_t dxAdj) {
  if (roll <= 3) return 3;
  if (roll == 4) return 2;
  if (roll == 5) return 1;
  if (roll >= 16) return 0;
  return roll <= dxAdj ? 1 : 0;
}

void killedBy(Game& g, TCharacterDMG& a, TCharacterDMG& t) {
  const std::int32_t pot = g.stakesPaid ? 0 : wrappedSum(t.Bet_value, a.Bet_value);
  g.stakesPaid = true;
  logAdd(g.log, " killing him");
  logAdd(g.log, "the owner of " + a.Name_String.str());
  logAdd(g.log, " wins $ " + std::to_string(pot));
  a.EP = wrappedSum(a.EP, t.DX);
  a.Coin = wrappedSum(a.Coin, pot);
  removeFromQueues(g, t);
  refreshSheets(g);
  braveryGain(g, a);
  logAdd(g.log, a.Name_String.str());
  logAdd(g.log, "bravery  " + std::to_string(a.Bravery) + " of 12");
  digGrave(g, t.Hex, t.Race.str());
}

}  // namespace

std::string_view hitLocation(std::int32_t draw) {
  return draw >= 1 && draw <= 20 ? kLocations[static_cast<std::size_t>(draw - 1)] : "";
}

std::string_view blowWord(std::string_view attackerRace, std::int32_t damage) {
  if (damage >= 1000) return {};
  if (attackerRace == kBoa) return damage <= 0 ? " toung kissed " : " bit ";
  if (damage <= 0) return kBlows[0];
  return kBlows[static_cast<std::size_t>(damage < 9 ? damage : 9)];
}

void attack(Game& g, TCharacterDMG& a, TCharacterDMG& t) {
  if (g.fightDistance >= 2) return;
  const std::int32_t location = g.rng.random(20) + 1;
  const std::int32_t roll = g.rng.dice(3);
  logAdd(g.log, a.Name_String.str() + " rolled " + std::to_string(roll));
  logAdd(g.log, " vs. DX " + std::to_string(a.DX_adj) + " and");
  std::int32_t damage = wrappedSum(g.rng.dice(a.Bare_hand_D), a.Bare_hand_Mod);
  if (damage < 0) damage = 0;
  const std::int32_t multiplier = hitMultiplier(roll, a.DX_adj);
  if (multiplier == 0) {
    logAdd(g.log, " missed");
    return;
  }
  damage = wrap32(std::int64_t{damage} * multiplier);
  if (const std::string_view blow = blowWord(a.Race.str(), damage); !blow.empty())
    logAdd(g.log, std::string(blow) + t.Name_String.str());
  logAdd(g.log, " in the " + std::string(hitLocation(location)));
  applyDamage(g, a, t, damage);
}

void applyDamage(Game& g, TCharacterDMG& a, TCharacterDMG& t, std::int32_t damage) {
  if (damage < 0) damage = 0;
  if (isDead(t)) {
    t.Wounds = wrappedSum(t.Wounds, damage);
    std::string line = std::to_string(damage);
    line.insert(line.begin(), ' ');
    line.append(" to ").append(t.Name_String.str()).append("'S corpse");
    logAdd(g.log, line);
    return;
  }
  t.Wounds = wrappedSum(t.Wounds, damage);
  logAdd(g.log, " for " + std::to_string(damage) + " damage");
  if (damage > 5) {
    logAdd(g.log, " stunning " + t.Name_String.str());
    t.DX_next_turn = -2;
  }
  if (damage > 7) {
    logAdd(g.log, " knocking " + t.Name_String.str() + " down");
    removeFromQueue(g.listAction, t.Name_String);
    t.Lose_next_turn = true;
  }
  a.EP = wrappedSum(a.EP, damage);
  if (isUnconscious(t)) {
    t.Act_This_Turn = false;
    removeFromQueues(g, t);
  }
  if (isDead(t)) killedBy(g, a, t);
  applyIqAndAdvancement(a);
}

void braveryGain(Game& g, TCharacterDMG& c) {
  if (g.rng.dice(2) > c.Bravery && c.Race != kBoa) ++c.Bravery;
}

void digGrave(Game& g, std::int32_t cell, std::string_view race) {
  Graveyard& yard = g.graveyard;
  if (yard.count < 0) yard.count = 0;
  if (yard.count >= Graveyard::kMaxGraves) {
    // The table is full: the longest-buried body gives up its place, and the
    // rest keep their order.
    int oldest = 0;
    for (int i = 1; i < Graveyard::kMaxGraves; ++i)
      if (yard.graves[static_cast<std::size_t>(i)].age >
          yard.graves[static_cast<std::size_t>(oldest)].age)
        oldest = i;
    for (int i = oldest; i + 1 < Graveyard::kMaxGraves; ++i)
      yard.graves[static_cast<std::size_t>(i)] = yard.graves[static_cast<std::size_t>(i + 1)];
    yard.count = Graveyard::kMaxGraves - 1;
  }
  yard.graves[static_cast<std::size_t>(yard.count)] = Grave{cell, 1, raceCode(race)};
  ++yard.count;
}

}  // namespace vorlund

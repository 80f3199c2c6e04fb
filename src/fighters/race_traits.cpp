#include "fighters/race_traits.h"

#include <array>
#include <optional>
#include <string>

#include "state/game.h"
#include "state/names_model.h"
#include "state/random.h"
#include "state/wrap32.h"

namespace vorlund {

namespace {

enum class Weapons { General, Boa, None };

struct RaceTraits {
  std::string_view word;
  StrengthRange strength;
  std::optional<std::int32_t> iq;  // empty: the race leaves IQ as it was
  std::int32_t braveryDice = 2;
  std::int32_t braveryAdd = 0;
  Weapons weapons = Weapons::General;
  std::int32_t code = 0;
};

constexpr std::array<RaceTraits, 15> kRaces = {{
    {"human", {8, 16}, 8, 2, 0, Weapons::General, 1},
    {"orc", {8, 16}, 8, 2, 0, Weapons::General, 2},
    {"elf", {6, 14}, 8, 2, 0, Weapons::General, 3},
    {"dwarf", {10, 18}, 8, 2, 0, Weapons::General, 4},
    {"merman", {8, 16}, 8, 2, 0, Weapons::General, 5},
    {"man orc", {8, 16}, 8, 2, 0, Weapons::General, 6},
    {"man elf", {7, 15}, 8, 2, 0, Weapons::General, 7},
    {"man dwarf", {9, 17}, std::nullopt, 2, 0, Weapons::General, 0},
    {"orc elf", {7, 15}, 8, 2, 0, Weapons::General, 8},
    {"orc dwarf", {9, 17}, 8, 2, 0, Weapons::General, 9},
    {"elf dwarf", {8, 16}, 8, 2, 0, Weapons::General, 10},
    {"man merman", {8, 16}, 8, 2, 0, Weapons::General, 11},
    {"wraith", {8, 16}, std::nullopt, 2, 0, Weapons::None, 0},
    {"hymenopteran", {12, 12}, 8, 1, 6, Weapons::General, 12},
    {"boa constrictor", {12, 12}, 6, 1, 0, Weapons::Boa, 13},
}};

constexpr RaceTraits kUnknownRace = {"", {8, 16}, std::nullopt, 2, 0, Weapons::General, 0};

const RaceTraits& traitsOf(std::string_view race) {
  for (const auto& r : kRaces)
    if (r.word == race) return r;
  return kUnknownRace;
}

struct Damage {
  std::int32_t dice;
  std::int32_t adds;
};

// Fists, claws and teeth by strength. Out of the table's reach the
// fighter keeps what he had.
std::optional<Damage> generalDamage(std::int32_t st) {
  if (st < 0 || st > 259) return std::nullopt;
  if (st == 0) return Damage{0, 0};
  if (st <= 8) return Damage{1, -4};
  if (st <= 10) return Damage{1, -3};
  if (st <= 12) return Damage{1, -2};
  if (st <= 14) return Damage{1, -1};
  if (st <= 16) return Damage{1, 0};
  if (st <= 20) return Damage{1, 1};
  if (st <= 24) return Damage{1, 2};
  if (st <= 29) return Damage{1, 3};
  return Damage{st / 10 - 1, 1};
}

// A constrictor crushes harder than his strength alone would hit, up to
// the thirties where the general table catches up with him.
std::optional<Damage> boaDamage(std::int32_t st) {
  if (st < 0 || st > 259) return std::nullopt;
  if (st == 0) return Damage{0, 0};
  if (st <= 2) return Damage{1, -4};
  if (st <= 4) return Damage{1, -3};
  if (st <= 6) return Damage{1, -2};
  if (st <= 8) return Damage{1, -1};
  if (st <= 10) return Damage{1, 0};
  if (st <= 16) return Damage{1, 1};
  if (st <= 22) return Damage{1, 2};
  if (st <= 29) return Damage{1, 3};
  if (st <= 39) return Damage{2, 0};
  return Damage{st / 10 - 1, 1};
}

void put(TCharacterDMG& c, std::optional<Damage> d) {
  if (!d) return;
  c.Bare_hand_D = d->dice;
  c.Bare_hand_Mod = d->adds;
}

}  // namespace

StrengthRange strengthRange(std::string_view race) {
  return traitsOf(race).strength;
}

void showStrengthValues(Game& g, std::string_view race) {
  const StrengthRange r = strengthRange(race);
  namesClear(g.names);
  for (std::int32_t st = r.lowest; st <= r.highest; ++st) namesAdd(g.names, std::to_string(st));
}

void setNaturalWeapons(TCharacterDMG& c) {
  const RaceTraits& race = traitsOf(c.Race.str());
  put(c, generalDamage(c.ST));
  if (race.weapons == Weapons::Boa) put(c, boaDamage(c.ST));
  // A wraith has no body to strike with.
  if (race.weapons == Weapons::None && c.ST < 1000) put(c, Damage{0, 0});
}

void rollTemperament(RandomGenerator& rng, TCharacterDMG& c) {
  const RaceTraits& race = traitsOf(c.Race.str());
  c.Bravery = rng.dice(race.braveryDice) + race.braveryAdd;
  c.Honesty = rng.dice(2);
  c.Friendliness = rng.dice(2);
  c.Mood = rng.dice(2);
}

void setUpMovement(TCharacterDMG& c) {
  c.MA = 10;
  c.MA_Swim = 2;
  c.MA_Fly = 0;
  c.MA_Web = 0;
  c.MA_Climb = 0;
  c.MA_spent = 0;
  readyForArena(c);
  if (c.Race.str() == "boa constrictor") {
    c.MA = 6;
    c.MA_Swim = 6;
  }
  if (c.Race.str() == "elf") c.MA = 12;
}

std::int64_t advancementCost(std::int32_t t) {
  if (t <= 0 || t > 255) return 0;
  if (t <= 36) return 125;
  if (t <= 40) return 250;
  if (t <= 45) return 1000;
  if (t <= 50) return 3000;
  if (t <= 55) return 5000;
  // Doubles every five points; at the top of the table it is far beyond any
  // purse of experience, so it is reckoned in 64 bits.
  return std::int64_t{5000} << ((t - 55) / 5);
}

void applyIqAndAdvancement(TCharacterDMG& c) {
  if (const auto iq = traitsOf(c.Race.str()).iq) c.IQ = *iq;
  const std::int64_t t = std::int64_t{c.ST} + c.DX + c.IQ;
  if (t <= 0 || t > 255) return;
  const std::int64_t cost = advancementCost(static_cast<std::int32_t>(t));
  if (c.EP < cost) return;
  c.EP = wrap32(c.EP - cost);
  // Skill comes first while it lags behind strength.
  if (c.DX <= 14 && c.ST >= c.DX) {
    ++c.DX;
  } else {
    c.ST = wrappedSum(c.ST, 1);
    setNaturalWeapons(c);
  }
}

void setAge(TCharacterDMG& c) {
  c.Age = wrap32(std::int64_t{c.ST} + c.DX + c.Extra);
}

std::int32_t raceCode(std::string_view race) {
  return traitsOf(race).code;
}

}  // namespace vorlund

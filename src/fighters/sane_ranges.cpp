#include "fighters/sane_ranges.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace vorlund {

namespace {

struct Bounds {
  std::string_view name;
  std::int32_t TCharacterDMG::*field;
  std::int32_t lowest;
  std::int32_t highest;
};

constexpr std::int32_t kAnyPositive = std::numeric_limits<std::int32_t>::max();

// Strength and dexterity start below 20 and advancement stops once
// ST + DX + IQ passes 255; dice counts and movement are single figures;
// the fields no rule sets stay 0 in every game.
constexpr std::array<Bounds, 25> kBounds = {{
    {"ST", &TCharacterDMG::ST, 0, 1000},
    {"Bare_hand_D", &TCharacterDMG::Bare_hand_D, 0, 100},
    {"Bare_hand_Mod", &TCharacterDMG::Bare_hand_Mod, -100, 100},
    {"Wounds", &TCharacterDMG::Wounds, 0, 1000},
    {"DX", &TCharacterDMG::DX, 0, 1000},
    {"Hits_Stopped", &TCharacterDMG::Hits_Stopped, -1000, 1000},
    {"IQ", &TCharacterDMG::IQ, 0, 1000},
    {"Ready_D", &TCharacterDMG::Ready_D, -1000, 1000},
    {"Ready_Mod", &TCharacterDMG::Ready_Mod, -1000, 1000},
    {"Fatigue", &TCharacterDMG::Fatigue, -1000, 1000},
    {"MA", &TCharacterDMG::MA, 0, 100},
    {"MA_Swim", &TCharacterDMG::MA_Swim, 0, 100},
    {"MA_Fly", &TCharacterDMG::MA_Fly, 0, 100},
    {"MA_Web", &TCharacterDMG::MA_Web, 0, 100},
    {"MA_Climb", &TCharacterDMG::MA_Climb, 0, 100},
    {"Secondary_D", &TCharacterDMG::Secondary_D, -1000, 1000},
    {"Secondary_Mod", &TCharacterDMG::Secondary_Mod, -1000, 1000},
    {"Bravery", &TCharacterDMG::Bravery, 0, 100},
    {"Honesty", &TCharacterDMG::Honesty, 0, 100},
    {"Friendliness", &TCharacterDMG::Friendliness, 0, 100},
    {"Mood", &TCharacterDMG::Mood, 0, 100},
    {"EP", &TCharacterDMG::EP, 0, kAnyPositive},
    {"Extra", &TCharacterDMG::Extra, -1000, 1000},
    {"Stance", &TCharacterDMG::Stance, 0, 6},
    {"Age", &TCharacterDMG::Age, -10000, 10000},
}};

constexpr bool inPersistedOrder() {
  for (std::size_t i = 0; i < kBounds.size(); ++i)
    if (kBounds[i].field != kPersistedIntegers[i]) return false;
  return true;
}
static_assert(inPersistedOrder(), "one bound for each persisted integer, in the file's order");

}  // namespace

std::string insaneValue(const TCharacterDMG& c) {
  for (const Bounds& b : kBounds) {
    const std::int32_t v = c.*b.field;
    if (v < b.lowest || v > b.highest) return std::string(b.name) + " " + std::to_string(v);
  }
  // A named fighter has a body to hold his wounds.
  if (!c.Name_String.empty() && c.ST < 1) return "ST " + std::to_string(c.ST);
  return {};
}

}  // namespace vorlund

#include "fighters/character_properties.h"

#include <limits>

#include "world/world_state.h"

namespace vorlund {

namespace {

constexpr std::int32_t kAny = std::numeric_limits<std::int32_t>::max();
// Values worked out afresh each turn from the others.
constexpr std::int32_t kFightRange = 10000;

}  // namespace

#define VORLUND_PROPERTY(name)  \
  CharacterProperty {           \
#name, &TCharacterDMG::name \
  }
#define VORLUND_INTEGER(name, lowest, highest)   \
  CharacterProperty {                            \
#name, &TCharacterDMG::name, lowest, highest \
  }

// Strength, skill and wits start below 20, and advancement stops once
// ST + DX + IQ passes 255; dice counts and movement are single figures;
// purses and stakes take any 32-bit value, for their sums wrap round; a
// fighter stands on cell 0 (none) or a cell of the sphere.
const std::array<CharacterProperty, 48>& characterProperties() {
  static const std::array<CharacterProperty, 48> table = {
      VORLUND_PROPERTY(Name_String),
      VORLUND_PROPERTY(Sex),
      VORLUND_PROPERTY(Race),
      VORLUND_PROPERTY(Training),
      VORLUND_PROPERTY(Ready),
      VORLUND_PROPERTY(Secondary),
      VORLUND_INTEGER(ST, 0, 1000),
      VORLUND_INTEGER(ST_adj, -kFightRange, kFightRange),
      VORLUND_INTEGER(Bare_hand_D, 0, 100),
      VORLUND_INTEGER(Bare_hand_Mod, -100, 100),
      VORLUND_INTEGER(Wounds, 0, 1000),
      VORLUND_INTEGER(DX, 0, 1000),
      VORLUND_INTEGER(DX_adj, -kFightRange, kFightRange),
      VORLUND_INTEGER(Hits_Stopped, -1000, 1000),
      VORLUND_INTEGER(IQ, 0, 1000),
      VORLUND_INTEGER(IQ_adj, -kFightRange, kFightRange),
      VORLUND_INTEGER(Ready_D, -1000, 1000),
      VORLUND_INTEGER(Ready_Mod, -1000, 1000),
      VORLUND_INTEGER(Fatigue, -1000, 1000),
      VORLUND_INTEGER(MA, 0, 100),
      VORLUND_INTEGER(MA_adj, -kFightRange, kFightRange),
      VORLUND_INTEGER(MA_Swim, 0, 100),
      VORLUND_INTEGER(MA_Fly, 0, 100),
      VORLUND_INTEGER(MA_Web, 0, 100),
      VORLUND_INTEGER(MA_Climb, 0, 100),
      VORLUND_INTEGER(MA_left, -kFightRange, kFightRange),
      VORLUND_INTEGER(MA_spent, -kFightRange, kFightRange),
      VORLUND_INTEGER(Secondary_D, -1000, 1000),
      VORLUND_INTEGER(Secondary_Mod, -1000, 1000),
      VORLUND_INTEGER(Bravery, 0, 100),
      VORLUND_INTEGER(Honesty, 0, 100),
      VORLUND_INTEGER(Friendliness, 0, 100),
      VORLUND_INTEGER(Mood, 0, 100),
      VORLUND_INTEGER(EP, 0, kAny),
      VORLUND_INTEGER(Coin, -kAny - 1, kAny),
      VORLUND_INTEGER(Extra, -1000, 1000),
      VORLUND_INTEGER(Bet_value, -kAny - 1, kAny),
      VORLUND_INTEGER(Hex, 0, kSphereCellCount),
      VORLUND_INTEGER(Facing, -kFightRange, kFightRange),
      VORLUND_INTEGER(DX_next_turn, -kFightRange, kFightRange),
      VORLUND_INTEGER(Stance, kStanceNone, kStanceFlying),
      VORLUND_INTEGER(Age, -10000, 10000),
      VORLUND_PROPERTY(Engaged),
      VORLUND_PROPERTY(Engaged_last_turn),
      VORLUND_PROPERTY(Brave),
      VORLUND_PROPERTY(Lose_next_turn),
      VORLUND_PROPERTY(Rest_Last_Week),
      VORLUND_PROPERTY(Act_This_Turn),
  };
  return table;
}

#undef VORLUND_PROPERTY
#undef VORLUND_INTEGER

const CharacterProperty* findCharacterProperty(std::string_view name) {
  for (const auto& p : characterProperties())
    if (p.name == name) return &p;
  return nullptr;
}

const CharacterProperty* findCharacterProperty(std::int32_t TCharacterDMG::*field) {
  for (const auto& p : characterProperties()) {
    const auto* member = std::get_if<std::int32_t TCharacterDMG::*>(&p.member);
    if (member != nullptr && *member == field) return &p;
  }
  return nullptr;
}

}  // namespace vorlund

#include "fighters/character_properties.h"

namespace vorlund {

#define VORLUND_PROPERTY(name)  \
  CharacterProperty {           \
#name, &TCharacterDMG::name \
  }

const std::array<CharacterProperty, 48>& characterProperties() {
  static const std::array<CharacterProperty, 48> table = {
      VORLUND_PROPERTY(Name_String),
      VORLUND_PROPERTY(Sex),
      VORLUND_PROPERTY(Race),
      VORLUND_PROPERTY(Training),
      VORLUND_PROPERTY(Ready),
      VORLUND_PROPERTY(Secondary),
      VORLUND_PROPERTY(ST),
      VORLUND_PROPERTY(ST_adj),
      VORLUND_PROPERTY(Bare_hand_D),
      VORLUND_PROPERTY(Bare_hand_Mod),
      VORLUND_PROPERTY(Wounds),
      VORLUND_PROPERTY(DX),
      VORLUND_PROPERTY(DX_adj),
      VORLUND_PROPERTY(Hits_Stopped),
      VORLUND_PROPERTY(IQ),
      VORLUND_PROPERTY(IQ_adj),
      VORLUND_PROPERTY(Ready_D),
      VORLUND_PROPERTY(Ready_Mod),
      VORLUND_PROPERTY(Fatigue),
      VORLUND_PROPERTY(MA),
      VORLUND_PROPERTY(MA_adj),
      VORLUND_PROPERTY(MA_Swim),
      VORLUND_PROPERTY(MA_Fly),
      VORLUND_PROPERTY(MA_Web),
      VORLUND_PROPERTY(MA_Climb),
      VORLUND_PROPERTY(MA_left),
      VORLUND_PROPERTY(MA_spent),
      VORLUND_PROPERTY(Secondary_D),
      VORLUND_PROPERTY(Secondary_Mod),
      VORLUND_PROPERTY(Bravery),
      VORLUND_PROPERTY(Honesty),
      VORLUND_PROPERTY(Friendliness),
      VORLUND_PROPERTY(Mood),
      VORLUND_PROPERTY(EP),
      VORLUND_PROPERTY(Coin),
      VORLUND_PROPERTY(Extra),
      VORLUND_PROPERTY(Bet_value),
      VORLUND_PROPERTY(Hex),
      VORLUND_PROPERTY(Facing),
      VORLUND_PROPERTY(DX_next_turn),
      VORLUND_PROPERTY(Stance),
      VORLUND_PROPERTY(Age),
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

const CharacterProperty* findCharacterProperty(std::string_view name) {
  for (const auto& p : characterProperties())
    if (p.name == name) return &p;
  return nullptr;
}

}  // namespace vorlund

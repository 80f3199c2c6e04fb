#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

#include "fighters/character.h"

namespace vorlund {

// One published property of the fighter record, by name, for the sim's
// `set` and `state` commands.
struct CharacterProperty {
  std::string_view name;
  std::variant<ShortString TCharacterDMG::*, std::int32_t TCharacterDMG::*, bool TCharacterDMG::*>
      member;
};

// All 48 properties in their declared order.
const std::array<CharacterProperty, 48>& characterProperties();

// The property of that exact name, or nullptr.
const CharacterProperty* findCharacterProperty(std::string_view name);

}  // namespace vorlund

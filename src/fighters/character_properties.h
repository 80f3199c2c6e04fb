#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

#include "state/character.h"

namespace vorlund {

// One published property of the fighter record, by name, for the sim's
// `set` and `state` commands. An integer property has a sane range: far wider
// than play ever takes it, yet narrow enough that no rule overflows or runs
// away on it (a dice count of two thousand million would roll for minutes).
struct CharacterProperty {
  std::string_view name;
  std::variant<ShortString TCharacterDMG::*, std::int32_t TCharacterDMG::*, bool TCharacterDMG::*>
      member;
  std::int32_t lowest = 0;
  std::int32_t highest = 0;

  bool allows(std::int64_t v) const { return v >= lowest && v <= highest; }
};

// All 48 properties in their declared order.
const std::array<CharacterProperty, 48>& characterProperties();

// The property of that exact name, or nullptr.
const CharacterProperty* findCharacterProperty(std::string_view name);
// The property of an integer field; every one has its entry.
const CharacterProperty* findCharacterProperty(std::int32_t TCharacterDMG::*field);

}  // namespace vorlund

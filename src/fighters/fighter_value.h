#pragma once
#include <cstdint>

#include "state/character.h"

namespace vorlund {

// What a fighter is worth, and so what is wagered on him: his strength and
// the square of his skill, multiplied by his wits, less the share his wounds
// have taken.
std::int32_t fighterValue(const TCharacterDMG& c);

}  // namespace vorlund

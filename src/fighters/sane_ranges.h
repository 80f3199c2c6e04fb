#pragma once
#include <string>

#include "fighters/character.h"

namespace vorlund {

// The bounds within which a stored fighter's values stay in any game, far
// wider than play ever takes them, yet narrow enough that no rule overflows
// or runs away on them. Returns what is out of bounds ("ST 5000"), or
// nothing when every persisted value is sane.
std::string insaneValue(const TCharacterDMG& c);

}  // namespace vorlund

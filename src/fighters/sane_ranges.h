#pragma once
#include <string>

#include "state/character.h"

namespace vorlund {

// Checks a stored fighter's persisted values against the sane ranges of the
// fighter properties (far wider than play ever takes them, yet narrow enough
// that no rule overflows or runs away on them). Returns what is out of
// bounds ("ST 5000"), or nothing when every persisted value is sane.
std::string insaneValue(const TCharacterDMG& c);

}  // namespace vorlund

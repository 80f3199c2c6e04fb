#include "fighters/sane_ranges.h"

#include "fighters/character_properties.h"

namespace vorlund {

std::string insaneValue(const TCharacterDMG& c) {
  // The ranges the sim's `set` holds every integer to, in the file's order.
  for (const auto field : kPersistedIntegers) {
    const CharacterProperty& p = *findCharacterProperty(field);
    if (const std::int32_t v = c.*field; !p.allows(v))
      return std::string(p.name) + " " + std::to_string(v);
  }
  // A named fighter has a body to hold his wounds.
  if (!c.Name_String.empty() && c.ST < 1) return "ST " + std::to_string(c.ST);
  return {};
}

}  // namespace vorlund

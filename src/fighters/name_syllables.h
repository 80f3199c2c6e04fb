#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vorlund {

struct RandomGenerator;

// A fighter's name made from syllables: "Brakka", "Tessaly", "Vorn".
// Draws from the generator given; always returns a name of 3 to 12 letters.
std::string makeFighterName(RandomGenerator& rng);

// The names.txt shipped with the game: this many names from this seed.
inline constexpr std::uint32_t kShippedNameSeed = 1461;
inline constexpr int kShippedNameCount = 2400;

// `count` distinct names from a generator seeded with `seed`: the list that
// names.txt is made from. Fewer come back only if the syllables run dry.
std::vector<std::string> makeNameList(std::uint32_t seed, int count);

}  // namespace vorlund

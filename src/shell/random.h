#pragma once
#include <cstdint>

namespace vorlund {

// The game's one pseudo-random generator: a 32-bit linear congruential
// sequence whose draw is the high half of seed * n. Every draw the rules make
// goes through one of these, so a seeded game replays exactly.
struct RandomGenerator {
  std::uint32_t seed = 0;

  // A number in 0..n-1; 0 when n is 0. A negative n is taken as its unsigned
  // 32-bit pattern, so that every draw is defined and a seeded game replays
  // whatever it asks.
  std::int32_t random(std::int32_t n);

  // The sum of n throws of a six-sided die; 0 when n is below 1.
  std::int32_t dice(std::int32_t n);
};

}  // namespace vorlund

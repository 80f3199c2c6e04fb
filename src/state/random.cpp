#include "state/random.h"

namespace vorlund {

std::int32_t RandomGenerator::random(std::int32_t n) {
  seed = seed * 134775813u + 1u;
  const std::uint64_t product = static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(product >> 32));
}

std::int32_t RandomGenerator::dice(std::int32_t n) {
  std::int32_t sum = 0;
  for (std::int32_t i = 0; i < n; ++i) sum += random(6) + 1;
  return sum;
}

}  // namespace vorlund

#include "fighters/fighter_value.h"

#include <cmath>
#include <limits>

#include "state/wrap32.h"

namespace vorlund {

namespace {

std::int32_t iqFactor(std::int32_t iq) {
  if (iq == 6) return 3;
  if (iq == 7) return 10;
  if (iq >= 8 && iq <= 999) return iq;
  return 1;
}

}  // namespace

std::int32_t fighterValue(const TCharacterDMG& c) {
  std::int32_t base = wrap32(10 * std::int64_t{c.ST} + std::int64_t{c.DX} * c.DX + 30);
  base = wrap32(std::int64_t{base} * iqFactor(c.IQ));
  if (c.Wounds <= 0) return base;
  // A wounded fighter of no strength has no worth that can be counted.
  if (c.ST == 0) return 0;
  const long double share = 1.0L - static_cast<long double>(c.Wounds) / c.ST;
  const long double value = std::nearbyint(base * share);
  constexpr long double lo = std::numeric_limits<std::int32_t>::min();
  constexpr long double hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::fmin(std::fmax(value, lo), hi));
}

}  // namespace vorlund

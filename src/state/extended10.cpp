#include "state/extended10.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace vorlund {
namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;
// A denormal 80-bit value is its mantissa times 2^-16445.
constexpr int kDenormalScale = -(kBias - 1) - 63;

constexpr bool kNative = std::numeric_limits<long double>::digits == 64 &&
                         std::numeric_limits<long double>::max_exponent == 16384 &&
                         std::endian::native == std::endian::little;

Extended10 pack(bool negative, int exponent, std::uint64_t mantissa) {
  Extended10 out{};
  for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  const unsigned top = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
  out[8] = static_cast<std::uint8_t>(top & 0xFF);
  out[9] = static_cast<std::uint8_t>(top >> 8);
  return out;
}

// The explicit conversions, for any binary floating type. A type narrower
// than the 10-byte form rounds on the way in; one wider rounds on the way out.
template <class Real>
Extended10 encode(Real value) {
  const bool negative = std::signbit(value);
  if (std::isnan(value)) return pack(negative, kMaxExponent, kLeadingBit | (kLeadingBit >> 1));
  if (std::isinf(value)) return pack(negative, kMaxExponent, kLeadingBit);
  if (value == Real(0)) return pack(negative, 0, 0);

  const Real magnitude = std::fabs(value);
  int e = 0;
  const Real fraction = std::frexp(magnitude, &e);  // magnitude = fraction * 2^e
  int exponent = e - 1 + kBias;
  if (exponent <= 0) {
    // Below the normal range: a denormal with the exponent field 0.
    const auto mantissa =
        static_cast<std::uint64_t>(std::nearbyint(std::ldexp(magnitude, -kDenormalScale)));
    // Rounding up may reach the smallest normal, whose pattern is the same
    // mantissa with exponent 1.
    return pack(negative, (mantissa & kLeadingBit) ? 1 : 0, mantissa);
  }
  // fraction * 2^64 lies in [2^63, 2^64); only a mantissa wider than 64 bits
  // can round up to 2^64, which is the leading bit of the next binade.
  const Real rounded = std::nearbyint(std::ldexp(fraction, 64));
  std::uint64_t mantissa = kLeadingBit;
  if (rounded >= std::ldexp(Real(1), 64))
    ++exponent;
  else
    mantissa = static_cast<std::uint64_t>(rounded);
  if (exponent >= kMaxExponent) return pack(negative, kMaxExponent, kLeadingBit);
  return pack(negative, exponent, mantissa);
}

template <class Real>
Real decode(const Extended10& bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  const unsigned top = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
  const bool negative = (top & 0x8000u) != 0;
  const int exponent = static_cast<int>(top & 0x7FFFu);

  Real magnitude = 0;
  if (exponent == kMaxExponent) {
    magnitude = (mantissa << 1) == 0 ? std::numeric_limits<Real>::infinity()
                                     : std::numeric_limits<Real>::quiet_NaN();
  } else if (exponent == 0) {
    magnitude = std::ldexp(static_cast<Real>(mantissa), kDenormalScale);
  } else {
    magnitude = std::ldexp(static_cast<Real>(mantissa), exponent - kBias - 63);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

bool extendedIsNative() {
  return kNative;
}

Extended10 encodeExtended10(long double value) {
  return encode(value);
}
long double decodeExtended10(const Extended10& bytes) {
  return decode<long double>(bytes);
}
Extended10 encodeExtended10(double value) {
  return encode(value);
}
double decodeExtended10AsDouble(const Extended10& bytes) {
  return decode<double>(bytes);
}

Extended10 toExtended10(long double value) {
  if constexpr (kNative) {
    Extended10 out{};
    std::memcpy(out.data(), &value, out.size());
    return out;
  } else {
    return encodeExtended10(value);
  }
}

long double fromExtended10(const Extended10& bytes) {
  if constexpr (kNative) {
    long double value = 0.0L;
    std::memcpy(&value, bytes.data(), bytes.size());
    return value;
  } else {
    return decodeExtended10(bytes);
  }
}

void writeExtended10(std::uint8_t* out, long double value) {
  const Extended10 bytes = toExtended10(value);
  std::memcpy(out, bytes.data(), bytes.size());
}

long double readExtended10(const std::uint8_t* in) {
  Extended10 bytes{};
  std::memcpy(bytes.data(), in, bytes.size());
  return fromExtended10(bytes);
}

}  // namespace vorlund

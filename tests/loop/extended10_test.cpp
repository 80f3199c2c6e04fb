#include "state/extended10.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace vorlund {
namespace {

using Limits = std::numeric_limits<long double>;

Extended10 bytesOf(std::uint16_t signAndExponent, std::uint64_t mantissa) {
  Extended10 e{};
  for (int i = 0; i < 8; ++i) e[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  e[8] = static_cast<std::uint8_t>(signAndExponent & 0xFF);
  e[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
  return e;
}

// Two values are the same when they compare equal and carry the same sign
// (so 0 and -0 differ).
void expectSame(long double a, long double b) {
  EXPECT_EQ(a, b);
  EXPECT_EQ(std::signbit(a), std::signbit(b));
}

struct Known {
  long double value;
  Extended10 bytes;
};

// The explicit conversion against hand-made bit patterns, both ways.
TEST(Extended10, ExplicitConversionMatchesTheTenByteForm) {
  const Known known[] = {
      {1.0L, bytesOf(0x3FFF, 0x8000000000000000)},
      {-2.0L, bytesOf(0xC000, 0x8000000000000000)},
      {0.75L, bytesOf(0x3FFE, 0xC000000000000000)},
      {240.0L, bytesOf(0x4006, 0xF000000000000000)},
      {0.0L, bytesOf(0x0000, 0)},
      {-0.0L, bytesOf(0x8000, 0)},
      {Limits::infinity(), bytesOf(0x7FFF, 0x8000000000000000)},
      {-Limits::infinity(), bytesOf(0xFFFF, 0x8000000000000000)},
      {std::ldexp(1.0L, -16382), bytesOf(0x0001, 0x8000000000000000)},  // smallest normal
      {std::ldexp(1.0L, -16445), bytesOf(0x0000, 1)},                   // smallest denormal
      {-std::ldexp(3.0L, -16445), bytesOf(0x8000, 3)},
      {std::ldexp(1.0L, -16383), bytesOf(0x0000, 0x4000000000000000)},  // largest binade below
  };
  for (const Known& k : known) {
    SCOPED_TRACE(static_cast<double>(k.value));
    if (std::numeric_limits<long double>::digits >= 64 &&
        std::numeric_limits<long double>::min_exponent <= -16381) {
      EXPECT_EQ(encodeExtended10(k.value), k.bytes);
      expectSame(decodeExtended10(k.bytes), k.value);
    }
    EXPECT_EQ(toExtended10(fromExtended10(k.bytes)), k.bytes);
  }
}

TEST(Extended10, DecodesPiAndTheLargestValueAndNotANumberStaysOne) {
  const long double pi = decodeExtended10(bytesOf(0x4000, 0xC90FDAA22168C235));
  EXPECT_NEAR(static_cast<double>(pi), 3.141592653589793, 1e-15);
  if (std::numeric_limits<long double>::max_exponent == 16384) {
    expectSame(decodeExtended10(bytesOf(0x7FFE, 0xFFFFFFFFFFFFFFFF)), Limits::max());
    EXPECT_EQ(encodeExtended10(Limits::max()), bytesOf(0x7FFE, 0xFFFFFFFFFFFFFFFF));
  }
  const Extended10 nan = encodeExtended10(Limits::quiet_NaN());
  EXPECT_EQ(std::make_pair(nan[9] & 0x7F, int{nan[8]}), std::make_pair(0x7F, 0xFF));
  EXPECT_TRUE(std::isnan(decodeExtended10(nan)));
  EXPECT_TRUE(std::isnan(decodeExtended10(bytesOf(0xFFFF, 0xC000000000000001))));
}

// Where long double is the x87 format the game copies bytes; the explicit
// conversion must agree with that copy for every kind of value, and the way
// back to a double must round like the processor's own narrowing.
TEST(Extended10, ExplicitConversionAgreesWithTheNativeForm) {
  if (!extendedIsNative()) GTEST_SKIP() << "long double is not the x87 format here";
  std::mt19937_64 rng(20240611);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t mantissa = rng();
    auto top = static_cast<std::uint16_t>(rng());
    const int kind = i % 4;
    if (kind == 0) {  // denormals, without the leading bit
      top &= 0x8000;
      mantissa &= ~std::uint64_t{0x8000000000000000};
    } else {  // normals carry the leading bit; one in three well inside a double's range
      mantissa |= 0x8000000000000000;
      if (kind == 1)
        top = static_cast<std::uint16_t>((top & 0x8000) | (16383 - 1000 + rng() % 2000));
    }
    if ((top & 0x7FFF) == 0x7FFF) top ^= 1;  // no infinities or NaNs here
    if ((top & 0x7FFF) == 0 && kind != 0) top |= 1;
    const Extended10 bytes = bytesOf(top, mantissa);
    long double native = 0.0L;
    std::memcpy(&native, bytes.data(), bytes.size());
    expectSame(decodeExtended10(bytes), native);
    EXPECT_EQ(encodeExtended10(native), bytes);
    EXPECT_EQ(toExtended10(native), bytes);
    expectSame(fromExtended10(bytes), native);
    if (kind == 1) {
      EXPECT_EQ(decodeExtended10AsDouble(bytes), static_cast<double>(native));
    }
  }
}

// A target whose long double is a double converts doubles: every double
// goes into the 10-byte form exactly, denormals included, and comes back.
TEST(Extended10, DoublesConvertExactlyBothWays) {
  using D = std::numeric_limits<double>;
  const double special[] = {0.0,       -0.0,     1.0,           -3.5,          D::denorm_min(),
                            -D::min(), D::max(), D::infinity(), -D::infinity()};
  EXPECT_EQ(encodeExtended10(1.0), bytesOf(0x3FFF, 0x8000000000000000));
  EXPECT_EQ(encodeExtended10(D::denorm_min()), bytesOf(0x3BCD, 0x8000000000000000));
  std::mt19937_64 rng(7);
  for (int i = 0; i < 20000; ++i) {
    const double d = i < 9 ? special[i] : std::bit_cast<double>(rng());
    if (std::isnan(d)) continue;
    const Extended10 e = encodeExtended10(d);
    const double back = decodeExtended10AsDouble(e);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(d)) << d;
    if (extendedIsNative()) {
      EXPECT_EQ(e, toExtended10(static_cast<long double>(d))) << d;
    }
  }
}

// The way back to a double rounds to the nearest, a tie to even.
TEST(Extended10, WiderValuesRoundToTheNearestDouble) {
  EXPECT_EQ(decodeExtended10AsDouble(bytesOf(0x3FFF, 0x8000000000000400)), 1.0);
  EXPECT_EQ(decodeExtended10AsDouble(bytesOf(0x3FFF, 0x8000000000000C00)), 1.0 + 0x1p-51);
  EXPECT_EQ(decodeExtended10AsDouble(bytesOf(0x7FFE, 0x8000000000000000)),
            std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace vorlund

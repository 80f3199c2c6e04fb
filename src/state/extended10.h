#pragma once
#include <array>
#include <cstdint>

namespace vorlund {

// The 10-byte little-endian form of an 80-bit extended real, as the state
// files hold it: 64-bit mantissa with an explicit leading bit, then 15 bits
// of exponent (bias 16383) and the sign bit.
using Extended10 = std::array<std::uint8_t, 10>;

// True where long double is the x87 80-bit format, so that the file form is
// just the first ten bytes of the value in memory.
bool extendedIsNative();

// The conversions the game uses: a plain copy where long double is the x87
// format, the explicit conversion below elsewhere.
Extended10 toExtended10(long double value);
long double fromExtended10(const Extended10& bytes);

// Reads and writes the form at a position in a file image.
void writeExtended10(std::uint8_t* out, long double value);
long double readExtended10(const std::uint8_t* in);

// The explicit conversion, built from the value's sign, exponent and
// mantissa, for targets whose long double is a double or a 128-bit quad.
// Exact whenever the value fits both formats; a wider mantissa is rounded
// to nearest, even on ties. Available everywhere so it can be tested
// against the native form.
Extended10 encodeExtended10(long double value);
long double decodeExtended10(const Extended10& bytes);

// The same for doubles, as a target whose long double is a double has them:
// every double is exact in the 10-byte form; the way back rounds the
// mantissa to nearest, even on ties, and overflows to an infinity.
Extended10 encodeExtended10(double value);
double decodeExtended10AsDouble(const Extended10& bytes);

}  // namespace vorlund

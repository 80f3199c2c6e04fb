#pragma once
#include <cstdint>

namespace vorlund {

// The game's integers are 32 bits wide, as its files store them, and wrap
// rather than trap: purses, wounds, experience and values that run past the
// range come round the other side, the same on every machine, where a
// signed overflow in C++ would be undefined.
constexpr std::int32_t wrap32(std::int64_t v) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

constexpr std::int32_t wrappedSum(std::int32_t a, std::int32_t b) {
  return wrap32(std::int64_t{a} + b);
}

}  // namespace vorlund

#pragma once
#include <bit>
#include <cstdint>
#include <vector>

namespace vorlund {

// A file's bytes as they are read or about to be written.
using Bytes = std::vector<unsigned char>;

// Little-endian fields, the byte order of every binary file of the game.
inline std::uint32_t readU32(const unsigned char* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}
inline std::uint64_t readU64(const unsigned char* p) {
  return std::uint64_t{readU32(p)} | std::uint64_t{readU32(p + 4)} << 32;
}
inline std::int32_t readInt32(const unsigned char* p) {
  return static_cast<std::int32_t>(readU32(p));
}
inline float readFloat(const unsigned char* p) {
  return std::bit_cast<float>(readU32(p));
}
inline double readDouble(const unsigned char* p) {
  return std::bit_cast<double>(readU64(p));
}

inline void putU32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
inline void putU64(unsigned char* p, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
inline void putInt32(unsigned char* p, std::int32_t v) {
  putU32(p, static_cast<std::uint32_t>(v));
}
inline void putFloat(unsigned char* p, float v) {
  putU32(p, std::bit_cast<std::uint32_t>(v));
}
inline void putDouble(unsigned char* p, double v) {
  putU64(p, std::bit_cast<std::uint64_t>(v));
}

inline void appendInt32(Bytes& out, std::int32_t v) {
  out.resize(out.size() + 4);
  putInt32(out.data() + out.size() - 4, v);
}
inline void appendDouble(Bytes& out, double v) {
  out.resize(out.size() + 8);
  putDouble(out.data() + out.size() - 8, v);
}

}  // namespace vorlund

#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

namespace vorlund {

using Bytes = std::vector<unsigned char>;

// Reads a whole file. False when it cannot be opened or read through.
bool readFileBytes(const std::filesystem::path& path, Bytes& out);

// Writes a file so that a crash or a full disk never leaves it half written:
// the bytes go to a temporary file in the same folder, which then replaces
// the old one. False, with the old file untouched, when that fails.
bool writeFileAtomically(const std::filesystem::path& path, const Bytes& bytes);

// Little-endian fields, the byte order of every binary file of the game.
inline std::int32_t readInt32(const unsigned char* p) {
  const std::uint32_t u = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                          std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  return static_cast<std::int32_t>(u);
}

double readDouble(const unsigned char* p);

inline void appendInt32(Bytes& out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  out.push_back(static_cast<unsigned char>(u));
  out.push_back(static_cast<unsigned char>(u >> 8));
  out.push_back(static_cast<unsigned char>(u >> 16));
  out.push_back(static_cast<unsigned char>(u >> 24));
}

void appendDouble(Bytes& out, double value);

}  // namespace vorlund

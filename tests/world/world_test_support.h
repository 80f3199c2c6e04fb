#pragma once
// Helpers for the world tests: the sphere files written by hand, and games
// in folders holding a mesh of their own or the shipped one.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "shell/file_io.h"
#include "shell/game.h"
#include "support/test_game.h"
#include "world/geometry.h"

namespace vorlund::worldtest {

inline void writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline Bytes fileBytes(const std::filesystem::path& path) {
  Bytes bytes;
  (void)readFileBounded(path, std::size_t{1} << 30, bytes);
  return bytes;
}

inline void appendPoint(Bytes& out, const Vec3& p) {
  for (long double v : {p.x, p.y, p.z}) appendDouble(out, static_cast<double>(v));
}

// Cell i of the unit sphere's southern circle at z = -1/2, each on a spot of its own.
inline Vec3 parkedCell(std::size_t i) {
  const long double turn =
      6.283185307179586476925L * static_cast<long double>(i) / kSphereCellCount;
  const long double r = std::sqrt(0.75L);
  return {r * std::cos(turn), r * std::sin(turn), -0.5L};
}

// "aorb1.orb" with cells 1..cells.size() as given; the others are parked on
// the unit sphere far from the north pole.
inline void writeCellFile(const std::filesystem::path& dir, const std::vector<Vec3>& cells) {
  Bytes bytes;
  for (std::size_t i = 0; i < 1461; ++i)
    appendPoint(bytes, i < cells.size() ? cells[i] : parkedCell(i));
  writeBytes(dir / "aorb1.orb", bytes);
}

inline void writeTriangleFile(const std::filesystem::path& dir, const std::vector<Vec3>& points) {
  Bytes bytes;
  appendInt32(bytes, static_cast<std::int32_t>(points.size()));
  for (const Vec3& p : points) appendPoint(bytes, p);
  writeBytes(dir / "atri1.tri", bytes);
}

// The shipped mesh alone, so that a start-up there computes both tables.
struct ShippedMeshGame : test::TestGame {
  ShippedMeshGame() { test::copyGameFiles(dir, {"aorb1.orb", "atri1.tri"}); }
};

}  // namespace vorlund::worldtest

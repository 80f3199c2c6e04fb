#pragma once
// Helpers for the world tests: writers for the sphere files and a game whose
// folder holds a sphere of its own.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

#include "shell/game.h"
#include "support/test_game.h"
#include "world/file_bytes.h"
#include "world/geometry.h"

namespace vorlund::worldtest {

inline void writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline Bytes fileBytes(const std::filesystem::path& path) {
  Bytes bytes;
  readFileBytes(path, bytes);
  return bytes;
}

inline void appendPoint(Bytes& out, const Vec3& p) {
  appendDouble(out, static_cast<double>(p.x));
  appendDouble(out, static_cast<double>(p.y));
  appendDouble(out, static_cast<double>(p.z));
}

// "aorb1.orb" with cells 1..cells.size(); the remaining cells of the 1461 are
// parked far out on the x axis, each on a spot of its own, so that they never
// come near the ones a test arranges.
inline void writeCellFile(const std::filesystem::path& dir, const std::vector<Vec3>& cells) {
  Bytes bytes;
  for (int c = 1; c <= 1461; ++c) {
    const auto i = static_cast<std::size_t>(c - 1);
    appendPoint(bytes, i < cells.size() ? cells[i] : Vec3{1000.0L + 10.0L * c, 0.0L, 0.0L});
  }
  writeBytes(dir / "aorb1.orb", bytes);
}

inline void writeTriangleFile(const std::filesystem::path& dir, const std::vector<Vec3>& points) {
  Bytes bytes;
  appendInt32(bytes, static_cast<std::int32_t>(points.size()));
  for (const Vec3& p : points) appendPoint(bytes, p);
  writeBytes(dir / "atri1.tri", bytes);
}

// 1461 cells spread evenly over the unit sphere along a spiral.
inline std::vector<Vec3> spiralSphere() {
  std::vector<Vec3> cells;
  const double turn = std::numbers::pi * (3.0 - std::sqrt(5.0));
  for (int i = 0; i < 1461; ++i) {
    const double z = 1.0 - (2.0 * i + 1.0) / 1461.0;
    const double r = std::sqrt(1.0 - z * z);
    cells.push_back({r * std::cos(i * turn), r * std::sin(i * turn), z});
  }
  return cells;
}

// Triangles of each cell with its two nearest cells: not a strip, but their
// edges have the length of the sphere's real edges, which is what the ring
// band is measured with.
inline std::vector<Vec3> nearestTriangles(const std::vector<Vec3>& cells) {
  std::vector<Vec3> points;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    std::size_t first = i, second = i;
    float best1 = 1e9f, best2 = 1e9f;
    for (std::size_t j = 0; j < cells.size(); ++j) {
      if (j == i) continue;
      const float d = distance(cells[i], cells[j]);
      if (d < best1) {
        second = first, best2 = best1, first = j, best1 = d;
      } else if (d < best2) {
        second = j, best2 = d;
      }
    }
    points.insert(points.end(), {cells[i], cells[first], cells[second]});
  }
  return points;
}

// A game whose folder holds the spiral sphere.
struct SpiralGame : test::TestGame {
  SpiralGame() {
    const std::vector<Vec3> cells = spiralSphere();
    writeCellFile(dir.path(), cells);
    writeTriangleFile(dir.path(), nearestTriangles(cells));
  }
};

}  // namespace vorlund::worldtest

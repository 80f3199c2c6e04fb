#pragma once
#include <filesystem>
#include <string>

namespace vorlund {

struct WorldState;

inline constexpr const char* kCellFileName = "aorb1.orb";
inline constexpr const char* kTriangleFileName = "atri1.tri";
// 1461 records of three doubles.
inline constexpr long long kCellFileSize = 1461LL * 3 * 8;
// A closed sphere of 1461 cells has 2 x 1461 - 4 triangles; a strip may end
// with one or two points that make no triangle.
inline constexpr int kMaxTrianglePoints = 3 * (2 * 1461 - 4) + 2;
inline constexpr long long kMaxTriangleFileSize = 4 + 24LL * kMaxTrianglePoints;

// Reads the cell positions from "aorb1.orb" (bytes past the 1461 records are
// ignored) and checks that they are distinct points on the unit sphere.
// Returns the message that stops the start-up, or "" when all went well.
std::string loadCellFile(WorldState& w, const std::filesystem::path& path);

// Reads the point count N and the N triangle points from "atri1.tri" and sizes
// the triangle tables. Returns the message that stops the start-up, or "".
std::string loadTriangleFile(WorldState& w, const std::filesystem::path& path);

}  // namespace vorlund

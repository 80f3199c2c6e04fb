#pragma once
#include <filesystem>
#include <optional>

#include "state/failure.h"
#include "state/world_state.h"

namespace vorlund {

inline constexpr const char* kCellFileName = "aorb1.orb";
inline constexpr const char* kTriangleFileName = "atri1.tri";
// One record of three doubles per cell.
inline constexpr long long kCellFileSize = kSphereCellCount * 3LL * 8;
// A closed sphere of N cells has 2N - 4 triangles; a strip may end with one
// or two points that make no triangle.
inline constexpr int kMaxTrianglePoints = 3 * (2 * kSphereCellCount - 4) + 2;
inline constexpr long long kMaxTriangleFileSize = 4 + 24LL * kMaxTrianglePoints;

// Reads the cell positions from "aorb1.orb" (bytes past the cells' records are
// ignored) and checks that they are distinct points on the unit sphere.
// Returns the failure that stops the start-up, or nothing when all went well.
[[nodiscard]] std::optional<Failure> loadCellFile(WorldState& w, const std::filesystem::path& path);

// Reads the point count N and the N triangle points from "atri1.tri" and sizes
// the triangle tables. Returns the failure that stops the start-up, or nothing.
[[nodiscard]] std::optional<Failure> loadTriangleFile(WorldState& w, const std::filesystem::path& path);

}  // namespace vorlund

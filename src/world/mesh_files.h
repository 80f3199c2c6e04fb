#pragma once
#include <filesystem>
#include <string>

namespace vorlund {

struct WorldState;

inline constexpr const char* kCellFileName = "aorb1.orb";
inline constexpr const char* kTriangleFileName = "atri1.tri";
// 1461 records of three doubles.
inline constexpr long long kCellFileSize = 1461LL * 3 * 8;

// Reads the cell positions from "aorb1.orb" (bytes past the 1461 records are
// ignored). Returns the message that stops the start-up, or "" when all went well.
std::string loadCellFile(WorldState& w, const std::filesystem::path& path);

// Reads the point count N and the N triangle points from "atri1.tri" and sizes
// the triangle tables. Returns the message that stops the start-up, or "".
std::string loadTriangleFile(WorldState& w, const std::filesystem::path& path);

}  // namespace vorlund

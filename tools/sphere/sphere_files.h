#pragma once

#include <filesystem>
#include <vector>

#include "triangle_strip.h"
#include "vec3.h"

namespace vorlund::sphere {

// "aorb1.orb": the cell positions, cell 1 first (positions[0]), three little-endian doubles each.
bool writeCellFile(const std::filesystem::path& file, const std::vector<Vec3>& positions);

// "atri1.tri": a little-endian int32 count of corner points, then each corner as the three
// doubles of its cell's position, the very same doubles as in "aorb1.orb". Corners are game
// cell numbers 1..n.
bool writeTriangleFile(const std::filesystem::path& file, const std::vector<Vec3>& positions,
                       const Strip& strip);

}  // namespace vorlund::sphere

#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "triangle_strip.h"
#include "vec3.h"

namespace vorlund::sphere {

// "aorb1.orb": the cell positions, cell 1 first (positions[0]), three little-endian doubles each.
std::string cellFileBytes(const std::vector<Vec3>& positions);

// "atri1.tri": a little-endian int32 count of corner points, then each corner as the three
// doubles of its cell's position, the very same doubles as in "aorb1.orb". Corners are game
// cell numbers 1..n.
std::string triangleFileBytes(const std::vector<Vec3>& positions, const Strip& strip);

// The file's bytes, or empty when it cannot be read.
std::string readWhole(const std::filesystem::path& file);

// Writes to a temporary name beside the file and renames it over, so that an interrupted build
// never leaves a short file that looks finished.
bool writeWhole(const std::filesystem::path& file, const std::string& bytes);

}  // namespace vorlund::sphere

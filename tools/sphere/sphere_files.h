#pragma once

#include <vector>

#include "state/little_endian.h"
#include "triangle_strip.h"
#include "vec3.h"

namespace vorlund::sphere {

// "aorb1.orb": the cell positions, cell 1 first (positions[0]), three little-endian doubles each.
Bytes cellFileBytes(const std::vector<Vec3>& positions);

// "atri1.tri": a little-endian int32 count of corner points, then each corner as the three
// doubles of its cell's position, the very same doubles as in "aorb1.orb". Corners are game
// cell numbers 1..n.
Bytes triangleFileBytes(const std::vector<Vec3>& positions, const Strip& strip);

}  // namespace vorlund::sphere

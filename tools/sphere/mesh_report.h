#pragma once

#include <array>
#include <vector>

#include "spiral_windup.h"
#include "triangle_strip.h"
#include "vec3.h"

namespace vorlund::sphere {

// How well the sphere serves the game, measured the way the game itself looks at it. Cells are
// given by game number: positions[0] is cell 1.
struct MeshReport {
  std::array<int, 9> cellsByValence{};  // cells surrounded by k triangles
  double shortestEdge = 0, longestEdge = 0;
  double worstNeighbourMargin = 0;  // min over cells: nearest non-neighbour / farthest neighbour
  int neighbourRowsDiffering = 0;   // rows of the game's nearest-six search, after pruning
  int neighbourRowsOutOfOrder = 0;  // of those, rows not listed in order around their cell
  int largestRing = 0;              // cells on the widest quarter-turn ring
};

// `neighbours` uses game numbers as well (row 0 for cell 1, entries 1..n).
MeshReport measure(const std::vector<std::vector<int>>& neighbours,
                   const std::vector<Vec3>& positions, const Strip& strip);

}  // namespace vorlund::sphere

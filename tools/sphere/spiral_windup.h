#pragma once

#include <array>
#include <optional>
#include <vector>

namespace vorlund::sphere {

using Triangle = std::array<int, 3>;

// A triangulated sphere: cells (vertices) 0..n-1 and the triangles between them, all wound the
// same way round.
struct Triangulation {
  std::vector<std::vector<int>> neighbours;
  std::vector<Triangle> triangles;

  int cellCount() const { return static_cast<int>(neighbours.size()); }
};

// Builds the sphere whose cells, taken in spiral order, are hexagons except at the twelve given
// spiral positions, which are pentagons (the face-spiral windup of fullerene chemistry, run on
// the dual). Most choices of positions do not close into a sphere; those give nothing.
std::optional<Triangulation> windUpSpiral(int cellCount, const std::array<int, 12>& pentagons);

}  // namespace vorlund::sphere

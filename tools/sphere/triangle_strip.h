#pragma once

#include <vector>

#include "spiral_windup.h"

namespace vorlund::sphere {

struct Strip {
  std::vector<Triangle> triangles;  // corner cells in the order they are written
  int repeats = 0;                  // triangles written more than once
};

// One unbroken strip over every triangle of the mesh: each triangle after the first shares an
// edge with the one before it, written so that the game's texture layout recognises the join
// (A = P1, B = P3; A = P3, B = P2; or A = P2, B = P1). The mesh must be wound consistently; the
// strip keeps that winding.
Strip stripThroughAll(const Triangulation& mesh);

}  // namespace vorlund::sphere

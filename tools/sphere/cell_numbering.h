#pragma once

#include <vector>

#include "spiral_windup.h"
#include "vec3.h"

namespace vorlund::sphere {

// Steps along mesh edges from `from` to every cell.
std::vector<int> stepsFrom(const Triangulation& mesh, int from);

// The game's cell number (1..n) of every cell. Cells are numbered in spiral order, pole to pole,
// except for a few swaps that place the fighters' starting cells (world/arena_start.h) twelve
// steps apart and the first arena centre halfway between them, the cell of that kind nearest to the
// middle of the two. Empty when the mesh has no such cells.
std::vector<int> numberCells(const Triangulation& mesh, const std::vector<Vec3>& positions);

}  // namespace vorlund::sphere

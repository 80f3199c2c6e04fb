#pragma once

#include <vector>

#include "spiral_windup.h"
#include "vec3.h"

namespace vorlund::sphere {

// Places the cells on the unit sphere, keeping the triangulation's topology: the three slowest
// vibrations of the mesh give a first, fold-free layout, and edge springs then even out the
// spacing.
std::vector<Vec3> embedOnSphere(const Triangulation& mesh);

// Turns the sphere so that cell `cell` sits at (0, 0, 1), the side the game turns to the viewer.
void turnToTop(std::vector<Vec3>& positions, int cell);

// Winds every triangle anticlockwise seen from outside. False when the layout has a fold (some
// triangle faces inwards whichever way the mesh is wound).
bool windOutward(Triangulation& mesh, const std::vector<Vec3>& positions);

}  // namespace vorlund::sphere

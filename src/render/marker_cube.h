#pragma once

namespace vorlund::render {

// A cube of side 0.8 about the origin, six polygons. Only the front face
// (+z) gives texture coordinates and corner colours; the other faces take
// the last ones, so the texture shows twice each way on the front.
void markerCube();

}  // namespace vorlund::render

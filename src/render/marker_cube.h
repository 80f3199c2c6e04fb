#pragma once
#include <GL/gl.h>

namespace vorlund::render {

// A cube of side 0.8 about the origin, six polygons. Only the front face
// (+z) gives texture coordinates and corner colours; the other faces take
// the last ones, so the texture shows twice each way on the front.
void markerCube();

// The cube's faces in drawing order, the front one first.
struct CubeFace {
  GLfloat normal[3];
  GLfloat corners[4][3];
};
inline constexpr int kCubeFaceCount = 6;
extern const CubeFace kCubeFaces[kCubeFaceCount];
// The front face's texture coordinates and corner colours; the last of each
// stays current for the other faces, and after the cube.
extern const GLfloat kFrontTexCoords[4][2];
extern const GLfloat kFrontColours[4][3];

}  // namespace vorlund::render

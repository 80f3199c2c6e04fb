#include "render/marker_cube.h"

namespace vorlund::render {
namespace {

constexpr GLfloat h = 0.4f;

}  // namespace

const CubeFace kCubeFaces[kCubeFaceCount] = {
    {{0, 0, 1}, {{-h, -h, h}, {h, -h, h}, {h, h, h}, {-h, h, h}}},
    {{1, 0, 0}, {{h, -h, h}, {h, -h, -h}, {h, h, -h}, {h, h, h}}},
    {{-1, 0, 0}, {{-h, -h, -h}, {-h, -h, h}, {-h, h, h}, {-h, h, -h}}},
    {{0, 0, -1}, {{h, -h, -h}, {-h, -h, -h}, {-h, h, -h}, {h, h, -h}}},
    {{0, -1, 0}, {{-h, -h, h}, {-h, -h, -h}, {h, -h, -h}, {h, -h, h}}},
    {{0, 1, 0}, {{-h, h, h}, {h, h, h}, {h, h, -h}, {-h, h, -h}}},
};
const GLfloat kFrontTexCoords[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
const GLfloat kFrontColours[4][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0.5f, 0.5f}, {0, 0, 1}};

void markerCube() {
  const CubeFace& front = kCubeFaces[0];
  glBegin(GL_POLYGON);
  glNormal3fv(front.normal);
  for (int c = 0; c < 4; ++c) {
    glTexCoord2fv(kFrontTexCoords[c]);
    glColor3fv(kFrontColours[c]);
    glVertex3fv(front.corners[c]);
  }
  glEnd();
  for (int f = 1; f < kCubeFaceCount; ++f) {
    glBegin(GL_POLYGON);
    glNormal3fv(kCubeFaces[f].normal);
    for (const auto& c : kCubeFaces[f].corners) glVertex3fv(c);
    glEnd();
  }
}

}  // namespace vorlund::render

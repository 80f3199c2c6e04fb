#include "render/marker_cube.h"

#include <GL/gl.h>

namespace vorlund::render {
namespace {

constexpr GLfloat h = 0.4f;

struct Face {
  GLfloat normal[3];
  GLfloat corners[4][3];
};

// The five faces after the front one, in drawing order.
constexpr Face kSides[5] = {
    {{1, 0, 0}, {{h, -h, h}, {h, -h, -h}, {h, h, -h}, {h, h, h}}},
    {{-1, 0, 0}, {{-h, -h, -h}, {-h, -h, h}, {-h, h, h}, {-h, h, -h}}},
    {{0, 0, -1}, {{h, -h, -h}, {-h, -h, -h}, {-h, h, -h}, {h, h, -h}}},
    {{0, -1, 0}, {{-h, -h, h}, {-h, -h, -h}, {h, -h, -h}, {h, -h, h}}},
    {{0, 1, 0}, {{-h, h, h}, {h, h, h}, {h, h, -h}, {-h, h, -h}}},
};

}  // namespace

void markerCube() {
  glBegin(GL_POLYGON);
  glNormal3f(0, 0, 1);
  glTexCoord2f(-1, -1);
  glColor3f(1, 0, 0);
  glVertex3f(-h, -h, h);
  glTexCoord2f(1, -1);
  glColor3f(0, 1, 0);
  glVertex3f(h, -h, h);
  glTexCoord2f(1, 1);
  glColor3f(0, 0.5f, 0.5f);
  glVertex3f(h, h, h);
  glTexCoord2f(-1, 1);
  glColor3f(0, 0, 1);
  glVertex3f(-h, h, h);
  glEnd();
  for (const Face& f : kSides) {
    glBegin(GL_POLYGON);
    glNormal3fv(f.normal);
    for (const auto& c : f.corners) glVertex3fv(c);
    glEnd();
  }
}

}  // namespace vorlund::render

#pragma once
#include <GL/gl.h>

namespace vorlund::render {

// glRotatef, except about the null axis, where GL's result is left to the
// driver: there it turns nothing, as the identity it stands for.
inline void rotateDegrees(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  if (x == 0.0f && y == 0.0f && z == 0.0f) return;
  glRotatef(angle, x, y, z);
}

}  // namespace vorlund::render

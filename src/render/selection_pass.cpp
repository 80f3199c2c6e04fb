#include "render/selection_pass.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/arena_painter.h"

namespace vorlund::render {

std::optional<std::uint32_t> chooseHit(const std::uint32_t* buffer, std::size_t size, int hits) {
  std::optional<std::uint32_t> chosen;
  std::uint32_t nearest = 0;
  std::size_t at = 0;
  for (int h = 0; h < hits; ++h) {
    if (at + 3 > size) break;
    const std::uint32_t names = buffer[at];
    const std::uint32_t depth = buffer[at + 1];
    if (names > size - at - 3) break;
    if (names > 0 && (!chosen || depth < nearest)) {
      chosen = buffer[at + 3];
      nearest = depth;
    }
    at += 3 + names;
  }
  return chosen;
}

// The frame painted in selection mode through a 2 x 2 pixel pick matrix
// around the pointer; the projection matrix is pushed before and popped
// after, so the next frame finds it as start-up left it.
std::optional<std::uint32_t> ArenaPainter::pickAt(int x, int y) {
  const TOpenGL& gl = components.OpenGL1;
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  gluPickMatrix(x, viewport[3] - y, 2.0, 2.0, viewport);
  glFrustum(gl.prxLeft, gl.prxRight, gl.prxBottom, gl.prxTop, gl.prxNear, gl.prxFar);
  auto restore = [] {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    return glRenderMode(GL_RENDER);
  };
  selecting_ = true;
  try {
    FormPaint();
  } catch (...) {
    selecting_ = false;
    restore();
    throw;
  }
  selecting_ = false;
  const int hits = restore();
  return chooseHit(selectBuffer_.data(), selectBuffer_.size(), hits);
}

}  // namespace vorlund::render

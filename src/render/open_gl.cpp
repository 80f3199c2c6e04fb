#include "render/open_gl.h"

#include <GL/gl.h>

#include "render/gl_error.h"

namespace vorlund::render {

void TOpenGL::Loaded() {
  if (Enable & enables(TEnable::depthTest)) glEnable(GL_DEPTH_TEST);
  if (Enable & enables(TEnable::cullFace)) glEnable(GL_CULL_FACE);
  if (Enable & enables(TEnable::Lighting)) glEnable(GL_LIGHTING);
  glMatrixMode(GL_PROJECTION);
  if (Projection == TProjection::Perspective)
    glFrustum(prxLeft, prxRight, prxBottom, prxTop, prxNear, prxFar);
  else
    glOrtho(prxLeft, prxRight, prxBottom, prxTop, prxNear, prxFar);
  glClearColor(ClearRed, ClearGreen, ClearBlue, 1.0f);
  CheckError("Loaded");
  ready_ = true;
}

bool TOpenGL::Resize(int clientWidth, int clientHeight) {
  if (!ready_) return false;
  glViewport(0, 0, clientWidth, clientHeight);
  CheckError("Smaller");
  const bool notGrown = clientWidth <= lastWidth_ && clientHeight <= lastHeight_;
  lastWidth_ = clientWidth;
  lastHeight_ = clientHeight;
  return notGrown;
}

std::string checkErrorMessage(std::string_view where, std::string_view glText) {
  std::string message = "Error in ";
  message.append(where).append(1, '\r').append(glText);
  return message;
}

void TOpenGL::CheckError(std::string_view where) const {
  const GLenum code = glGetError();
  if (code != GL_NO_ERROR) throw GlError(checkErrorMessage(where, glErrorText(code)));
}

}  // namespace vorlund::render

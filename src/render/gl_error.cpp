#include "render/gl_error.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace vorlund::render {

std::string glErrorText(unsigned code) {
  const GLubyte* text = gluErrorString(code);
  return text ? reinterpret_cast<const char*>(text) : "unknown error " + std::to_string(code);
}

std::vector<std::string> drainGlErrors() {
  constexpr int kMostErrors = 32;
  std::vector<std::string> texts;
  for (int i = 0; i < kMostErrors; ++i) {
    const GLenum code = glGetError();
    if (code == GL_NO_ERROR) break;
    texts.push_back(glErrorText(code));
  }
  return texts;
}

}  // namespace vorlund::render

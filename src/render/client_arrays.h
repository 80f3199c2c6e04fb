#pragma once
#include <GL/gl.h>

namespace vorlund::render {

// Draws `count` vertices from client-side arrays of places, normals and
// texture coordinates (GL 1.1), and leaves the arrays off again, as the
// immediate calls around them expect.
inline void drawClientArrays(GLenum mode, const GLfloat* vertices, const GLfloat* normals,
                             const GLfloat* texCoords, GLsizei count) {
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, vertices);
  glNormalPointer(GL_FLOAT, 0, normals);
  glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
  glDrawArrays(mode, 0, count);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace vorlund::render

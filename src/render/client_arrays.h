#pragma once
#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <vector>

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

// The texture coordinates, normals and places of a run of corners, kept
// side by side for drawClientArrays.
struct CornerArrays {
  std::vector<GLfloat> texCoords, normals, vertices;

  void resize(std::size_t corners) {
    texCoords.resize(2 * corners);
    normals.resize(3 * corners);
    vertices.resize(3 * corners);
  }
  // Corners first .. first + count - 1 of `from`, as corners at .. of these.
  void copy(const CornerArrays& from, int first, int count, int at) {
    std::copy_n(&from.texCoords[2 * first], 2 * count, &texCoords[2 * at]);
    std::copy_n(&from.normals[3 * first], 3 * count, &normals[3 * at]);
    std::copy_n(&from.vertices[3 * first], 3 * count, &vertices[3 * at]);
  }
  void draw(GLenum mode, int count) const {
    drawClientArrays(mode, vertices.data(), normals.data(), texCoords.data(), count);
  }
};

}  // namespace vorlund::render

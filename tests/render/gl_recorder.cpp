#include "gl_recorder.h"

#include <GL/gl.h>

#include <cstdio>
#include <iterator>

namespace vorlund::render::test {

GlRecorder& gl() {
  static GlRecorder recorder;
  return recorder;
}

namespace {

std::string name(GLenum e) {
  const GLenum codes[] = {GL_FRONT,   GL_BACK,     GL_FRONT_AND_BACK, GL_AMBIENT,
                          GL_DIFFUSE, GL_SPECULAR, GL_SHININESS};
  const char* const names[] = {"FRONT",   "BACK",     "FRONT_AND_BACK", "AMBIENT",
                               "DIFFUSE", "SPECULAR", "SHININESS"};
  for (std::size_t i = 0; i < std::size(codes); ++i)
    if (codes[i] == e) return names[i];
  if (e >= GL_LIGHT0 && e <= GL_LIGHT7) return "LIGHT" + std::to_string(e - GL_LIGHT0);
  return std::to_string(e);
}

std::string numbers(std::initializer_list<double> values) {
  std::string out;
  for (double v : values) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%g", out.empty() ? "" : ",", v);
    out += text;
  }
  return out;
}

void record(const char* function, const std::string& args) {
  gl().calls.push_back(std::string(function) + "(" + args + ")");
}

}  // namespace
}  // namespace vorlund::render::test

using namespace vorlund::render::test;

// Each stand-in records its name and its arguments.
#define RECORDED(function, params, args)  \
  GLAPI void GLAPIENTRY function params { \
    record(#function, args);              \
  }

extern "C" {

RECORDED(glEnable, (GLenum cap), name(cap))
RECORDED(glDisable, (GLenum cap), name(cap))
RECORDED(glLightfv, (GLenum light, GLenum p, const GLfloat* v),
         name(light) + "," + name(p) + "," +
             (p == GL_SPOT_DIRECTION ? numbers({v[0], v[1], v[2]})
                                     : numbers({v[0], v[1], v[2], v[3]})))
RECORDED(glLightf, (GLenum light, GLenum p, GLfloat v),
         name(light) + "," + name(p) + "," + numbers({v}))
RECORDED(glMaterialfv, (GLenum face, GLenum p, const GLfloat* v),
         name(face) + "," + name(p) + "," + numbers({v[0], v[1], v[2], v[3]}))
RECORDED(glMaterialf, (GLenum face, GLenum p, GLfloat v),
         name(face) + "," + name(p) + "," + numbers({v}))
RECORDED(glViewport, (GLint x, GLint y, GLsizei w, GLsizei h),
         numbers({double(x), double(y), double(w), double(h)}))
RECORDED(glMatrixMode, (GLenum mode), name(mode))
RECORDED(glFrustum, (GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f),
         numbers({l, r, b, t, n, f}))
RECORDED(glOrtho, (GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f),
         numbers({l, r, b, t, n, f}))
RECORDED(glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), numbers({r, g, b, a}))
RECORDED(glPushMatrix, (), "")
RECORDED(glPopMatrix, (), "")
RECORDED(glTranslatef, (GLfloat x, GLfloat y, GLfloat z), numbers({x, y, z}))
RECORDED(glRotatef, (GLfloat a, GLfloat x, GLfloat y, GLfloat z), numbers({a, x, y, z}))
RECORDED(glScalef, (GLfloat x, GLfloat y, GLfloat z), numbers({x, y, z}))

GLAPI GLenum GLAPIENTRY glGetError() {
  if (gl().errors.empty()) return GL_NO_ERROR;
  const GLenum e = gl().errors.front();
  gl().errors.pop_front();
  return e;
}

}  // extern "C"

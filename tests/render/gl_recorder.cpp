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
  const GLenum codes[] = {GL_FRONT,          GL_BACK,        GL_FRONT_AND_BACK, GL_AMBIENT,
                          GL_DIFFUSE,        GL_SPECULAR,    GL_SHININESS,      GL_POSITION,
                          GL_SPOT_DIRECTION, GL_SPOT_CUTOFF, GL_DEPTH_TEST,     GL_CULL_FACE,
                          GL_LIGHTING,       GL_PROJECTION,  GL_MODELVIEW};
  const char* const names[] = {"FRONT",          "BACK",        "FRONT_AND_BACK", "AMBIENT",
                               "DIFFUSE",        "SPECULAR",    "SHININESS",      "POSITION",
                               "SPOT_DIRECTION", "SPOT_CUTOFF", "DEPTH_TEST",     "CULL_FACE",
                               "LIGHTING",       "PROJECTION",  "MODELVIEW"};
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

void record(const std::string& call) {
  gl().calls.push_back(call);
}

}  // namespace
}  // namespace vorlund::render::test

using namespace vorlund::render::test;

extern "C" {

GLAPI void GLAPIENTRY glEnable(GLenum cap) {
  record("glEnable(" + name(cap) + ")");
}
GLAPI void GLAPIENTRY glDisable(GLenum cap) {
  record("glDisable(" + name(cap) + ")");
}
GLAPI void GLAPIENTRY glLightfv(GLenum light, GLenum p, const GLfloat* v) {
  const int n = p == GL_SPOT_DIRECTION ? 3 : 4;
  record("glLightfv(" + name(light) + "," + name(p) + "," +
         (n == 3 ? numbers({v[0], v[1], v[2]}) : numbers({v[0], v[1], v[2], v[3]})) + ")");
}
GLAPI void GLAPIENTRY glLightf(GLenum light, GLenum p, GLfloat v) {
  record("glLightf(" + name(light) + "," + name(p) + "," + numbers({v}) + ")");
}
GLAPI void GLAPIENTRY glMaterialfv(GLenum face, GLenum p, const GLfloat* v) {
  record("glMaterialfv(" + name(face) + "," + name(p) + "," + numbers({v[0], v[1], v[2], v[3]}) +
         ")");
}
GLAPI void GLAPIENTRY glMaterialf(GLenum face, GLenum p, GLfloat v) {
  record("glMaterialf(" + name(face) + "," + name(p) + "," + numbers({v}) + ")");
}
GLAPI GLenum GLAPIENTRY glGetError() {
  if (gl().errors.empty()) return GL_NO_ERROR;
  const GLenum e = gl().errors.front();
  gl().errors.pop_front();
  return e;
}
GLAPI void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
  record("glViewport(" + numbers({double(x), double(y), double(w), double(h)}) + ")");
}
GLAPI void GLAPIENTRY glMatrixMode(GLenum mode) {
  record("glMatrixMode(" + name(mode) + ")");
}
GLAPI void GLAPIENTRY glFrustum(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n,
                                GLdouble f) {
  record("glFrustum(" + numbers({l, r, b, t, n, f}) + ")");
}
GLAPI void GLAPIENTRY glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n,
                              GLdouble f) {
  record("glOrtho(" + numbers({l, r, b, t, n, f}) + ")");
}
GLAPI void GLAPIENTRY glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
  record("glClearColor(" + numbers({r, g, b, a}) + ")");
}
GLAPI void GLAPIENTRY glPushMatrix() {
  record("glPushMatrix()");
}
GLAPI void GLAPIENTRY glPopMatrix() {
  record("glPopMatrix()");
}
GLAPI void GLAPIENTRY glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  record("glTranslatef(" + numbers({x, y, z}) + ")");
}
GLAPI void GLAPIENTRY glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) {
  record("glRotatef(" + numbers({a, x, y, z}) + ")");
}
GLAPI void GLAPIENTRY glScalef(GLfloat x, GLfloat y, GLfloat z) {
  record("glScalef(" + numbers({x, y, z}) + ")");
}

}  // extern "C"

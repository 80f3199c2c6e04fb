#pragma once
#include <GL/gl.h>

#include "state/geometry.h"

namespace vorlund::render {

// A point as GL takes it, in scene units.
struct Point3f {
  GLfloat x = 0.0f;
  GLfloat y = 0.0f;
  GLfloat z = 0.0f;
};

inline Point3f scaled(const Vec3& v, long double factor) {
  return {static_cast<GLfloat>(v.x * factor), static_cast<GLfloat>(v.y * factor),
          static_cast<GLfloat>(v.z * factor)};
}
inline Point3f operator-(const Point3f& p) {
  return {-p.x, -p.y, -p.z};
}

inline void vertex(const Point3f& p) {
  glVertex3f(p.x, p.y, p.z);
}
inline void normal(const Point3f& p) {
  glNormal3f(p.x, p.y, p.z);
}
inline void translate(const Point3f& p) {
  glTranslatef(p.x, p.y, p.z);
}

}  // namespace vorlund::render

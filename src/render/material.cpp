#include "render/material.h"

#include <GL/gl.h>

namespace vorlund::render {
namespace {

constexpr GLfloat kSpecularWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kSpecularBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};

GLenum glFace(TFace f) {
  switch (f) {
    case TFace::faBack:
      return GL_BACK;
    case TFace::faFrontAndBack:
      return GL_FRONT_AND_BACK;
    case TFace::faFront:
      break;
  }
  return GL_FRONT;
}

}  // namespace

void TMaterial::Apply() const {
  const GLfloat ambient[4] = {ambRed, ambGreen, ambBlue, ambAlpha};
  const GLfloat diffuse[4] = {difRed, difGreen, difBlue, difAlpha};
  glMaterialfv(glFace(aFace), GL_AMBIENT, ambient);
  glMaterialfv(glFace(dFace), GL_DIFFUSE, diffuse);
  glMaterialfv(glFace(sFace), GL_SPECULAR, mShine == 0.0f ? kSpecularBlack : kSpecularWhite);
  glMaterialf(glFace(sFace), GL_SHININESS, mShine);
}

}  // namespace vorlund::render

#include "render/light.h"

#include <GL/gl.h>

namespace vorlund::render {
namespace {

constexpr GLfloat kPosition[4] = {0.0f, 0.0f, 0.0f, 1.0f};
constexpr GLfloat kSpotDirection[3] = {0.0f, 0.0f, -1.0f};

}  // namespace

void TLight::setWhich(int which) {
  light_ = which >= 1 && which <= 7 ? GL_LIGHT0 + which : GL_LIGHT0;
}

int TLight::Which() const {
  return light_ >= GL_LIGHT1 && light_ <= GL_LIGHT7 ? static_cast<int>(light_ - GL_LIGHT0) : 0;
}

void TLight::Apply() const {
  if (!Enabled) {
    glDisable(light_);
    return;
  }
  glEnable(light_);
  if (Position) glLightfv(light_, GL_POSITION, kPosition);
  if (Direction) glLightfv(light_, GL_SPOT_DIRECTION, kSpotDirection);
  if (Spotlight) glLightf(light_, GL_SPOT_CUTOFF, Cutoff);
  const GLfloat ambient[4] = {AmbientRed, AmbientGreen, AmbientBlue, 0.0f};
  const GLfloat diffuse[4] = {DiffuseRed, DiffuseGreen, DiffuseBlue, 0.0f};
  const GLfloat specular[4] = {SpecularRed, SpecularGreen, SpecularBlue, 0.0f};
  glLightfv(light_, GL_AMBIENT, ambient);
  glLightfv(light_, GL_DIFFUSE, diffuse);
  glLightfv(light_, GL_SPECULAR, specular);
}

}  // namespace vorlund::render

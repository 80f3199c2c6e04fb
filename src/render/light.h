#pragma once
#include <cstdint>

namespace vorlund::render {

// One fixed-function light. It sits at the origin of the model-view matrix
// current when it is applied and points down the negative z axis.
class TLight {
 public:
  // Light number: 1..7 drive GL_LIGHT1..GL_LIGHT7, anything else GL_LIGHT0.
  void setWhich(int which);
  int Which() const;
  unsigned glLight() const { return light_; }

  float Cutoff = 0.0f;
  float AmbientRed = 0.0f, AmbientGreen = 0.0f, AmbientBlue = 0.0f;
  float DiffuseRed = 0.0f, DiffuseGreen = 0.0f, DiffuseBlue = 0.0f;
  float SpecularRed = 0.0f, SpecularGreen = 0.0f, SpecularBlue = 0.0f;
  bool Direction = false;
  bool Position = false;
  bool Spotlight = false;
  bool Enabled = false;

  // A disabled light is only switched off; an enabled one is switched on and
  // sent its position, direction and cut-off as its flags say, then its
  // colours (whose alpha is always 0).
  void Apply() const;

 private:
  unsigned light_ = 0x4000;  // GL_LIGHT0
};

}  // namespace vorlund::render

#pragma once

namespace vorlund::render {

enum class TFace { faFront, faBack, faFrontAndBack };

// One material. Setting a colour only stores it; GL sees it at the next
// Apply.
class TMaterial {
 public:
  float ambRed = 0.0f, ambGreen = 0.0f, ambBlue = 0.0f, ambAlpha = 0.0f;
  float difRed = 0.0f, difGreen = 0.0f, difBlue = 0.0f, difAlpha = 0.0f;
  TFace aFace = TFace::faFront;
  TFace dFace = TFace::faFront;
  TFace sFace = TFace::faFront;
  // Shininess, sent as it is; it also picks the specular colour: black for
  // exactly 0, white otherwise.
  float mShine = 0.0f;

  void setAmbient(float r, float g, float b) { ambRed = r, ambGreen = g, ambBlue = b; }
  void setDiffuse(float r, float g, float b) { difRed = r, difGreen = g, difBlue = b; }

  // Ambient to aFace, diffuse to dFace, then specular and shininess to sFace.
  void Apply() const;
};

}  // namespace vorlund::render

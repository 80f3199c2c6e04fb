#include "render/main_window_components.h"

namespace vorlund::render {
namespace {

TMaterial material(float ambR, float ambG, float ambB, float ambA, float difR, float difG,
                   float difB, float difA, float shine) {
  TMaterial m;
  m.ambRed = ambR, m.ambGreen = ambG, m.ambBlue = ambB, m.ambAlpha = ambA;
  m.difRed = difR, m.difGreen = difG, m.difBlue = difB, m.difAlpha = difA;
  m.mShine = shine;
  return m;
}

TOpenGL arenaContext() {
  TOpenGL gl;
  gl.pfdFlags =
      pfd(TPFDFlag::DoubleBuffer) | pfd(TPFDFlag::Draw_To_Window) | pfd(TPFDFlag::Support_OpenGL);
  gl.PixelType = TPFDPixelType::RGBA;
  gl.Projection = TProjection::Perspective;
  gl.Enable = enables(TEnable::depthTest) | enables(TEnable::cullFace) | enables(TEnable::Lighting);
  gl.prxLeft = -1.25;
  gl.prxRight = 1.25;
  gl.prxBottom = -1.0;
  gl.prxTop = 1.0;
  gl.prxNear = 2.0;
  gl.prxFar = 142000.0;
  gl.ColorBits = 24;
  gl.DepthBits = 32;
  gl.StencilBits = 0;
  return gl;
}

TLight sceneLight() {
  TLight l;
  l.setWhich(0);
  l.AmbientRed = l.AmbientGreen = l.AmbientBlue = 1.0f;
  l.DiffuseRed = l.DiffuseGreen = l.DiffuseBlue = 0.2f;
  l.SpecularRed = l.SpecularGreen = l.SpecularBlue = 1.0f;
  l.Direction = true;
  l.Position = true;
  l.Spotlight = false;
  l.Enabled = true;
  return l;
}

}  // namespace

MainWindowComponents::MainWindowComponents()
    : OpenGL1(arenaContext()),
      Light2(sceneLight()),
      MaterialPlanet(material(0.1f, 0, 0, 1, 1, 1, 1, 1, 0.3f)),
      MaterialStars(material(1, 1, 1, 1, 1, 1, 1, 1, 1.0f)),
      Material1(material(0, 0, 0, 1, 0.5f, 0.5f, 0.5f, 1, 0.5f)),
      Material2(material(0, 0, 0, 1, 0.5f, 0.5f, 0.5f, 1, 0.5f)),
      Material3(material(0, 0, 0, 1, 0.5f, 0.5f, 0.5f, 1, 0.5f)),
      MaterialSpell(material(1, 1, 0, 1, 1, 1, 0, 1, 1.0f)),
      MaterialBody(material(0.8f, 0.2f, 0.2f, 1, 0.8f, 0.2f, 0.2f, 1, 0)),
      MaterialPrint(material(0.2f, 0.2f, 0.2f, 0.9f, 0.2f, 0.2f, 0.2f, 0.9f, 0)) {
  TRansformPlanet.TranX = -2.0f;
  TRansformPlanet.TranY = 1.2f;
  TRansformPlanet.TranZ = -18.0f;
}

}  // namespace vorlund::render

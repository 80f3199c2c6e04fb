#pragma once
#include "render/light.h"
#include "render/material.h"
#include "render/open_gl.h"
#include "render/transform.h"

namespace vorlund::render {

// The GL components of the arena window with the values it was designed
// with. The window carries a few more (a second light, transforms and
// materials for every farm slot) that nothing ever draws with; they are left
// out.
struct MainWindowComponents {
  TOpenGL OpenGL1;
  TLight Light2;               // the scene light
  TTransform TRansformPlanet;  // the viewed body and the arena globe
  TMaterial MaterialPlanet;    // textured globe and cursor overlay
  TMaterial MaterialStars;     // corner labels, stars, body points and labels
  TMaterial Material1;         // fighter name label
  TMaterial Material2;         // fighter strength label
  TMaterial Material3;         // fighter dexterity label and figure
  TMaterial MaterialSpell;     // zap beam
  TMaterial MaterialBody;      // graves
  TMaterial MaterialPrint;     // cell-history trail

  MainWindowComponents();
};

}  // namespace vorlund::render

// The arena globe: drawn inside the viewed body's transform, so cell
// positions are used as they are, in globe units.
#include <GL/gl.h>

#include <algorithm>

#include "render/arena_painter.h"
#include "render/gl_rotate.h"
#include "render/marker_cube.h"
#include "render/scene_math.h"
#include "state/game.h"

namespace vorlund::render {
namespace {

// Marker images: textures that double as the look of the overlay markers.
constexpr int kRingMarkerTexture = 5;
constexpr int kPoleTexture = 4;
constexpr int kAntipodeTexture = 6;
constexpr int kRingCursorTexture = 1;
constexpr int kNeighbourCursorTexture = 3;
constexpr int kNeighbourTexture = 44;
constexpr int kLeftOverTexture = 138;
constexpr int kGridTexture = 12;
// The marker stands on the third corner of the third triangle.
constexpr int kMarkerPoint = 9;
constexpr GLfloat kGridCubeScale = 0.03f;

Point3f at(const Game& g, int cell) {
  return scaled(cellPosition(g.world, cell), 1.0L);
}

// A name lasts for the markers it names: whatever is drawn after them (the
// pole, the highlighted ring cell, graves, fighters, the other bodies) is
// picked as nothing in particular, never as the last marker named.
void unnamed() {
  glLoadName(0);
}

}  // namespace

void ArenaPainter::cellMarker(int cell, float scale) {
  glPushMatrix();
  translate(at(g_, cell));
  glScalef(scale, scale, scale);
  markerCube();
  glPopMatrix();
}

void ArenaPainter::TRansformPlanetPaint() {
  MainWindowComponents& c = components;
  glPushMatrix();
  glRotatef(static_cast<GLfloat>(g_.viewPitch), 1.0f, 0.0f, 0.0f);
  glRotatef(static_cast<GLfloat>(g_.viewYaw), 0.0f, 1.0f, 0.0f);
  const Point3f centre = at(g_, g_.arenaCentre);
  const GLfloat tilt = 1.0f - centre.z;  // degrees
  rotateDegrees(tilt, centre.y, 0.0f, 0.0f);
  rotateDegrees(tilt, 0.0f, -centre.x, 0.0f);
  // What is certainly turned away or hidden is left out of the frames shown
  // (never out of the selection pass, which names what it draws).
  view_.reset();
  if (!selecting_ && culled()) view_ = EyeView::current();

  if (g_.texturedGlobe) {
    textures.select(paintedBody_);
    glEnable(GL_TEXTURE_2D);
    const float albedo = g_.solar.bodies[paintedBody_].albedo;
    c.MaterialPlanet.setDiffuse(albedo, albedo, albedo);
    c.MaterialPlanet.setAmbient(0.25f, 0.4f, 0.75f);
    c.MaterialPlanet.Apply();
    texturedGlobe();
    glDisable(GL_TEXTURE_2D);
  }
  if (view_) view_->setOccluder(g_.texturedGlobe && depthTested() ? globe_.shellRadius() : 0.0);
  if (g_.cursorShown) cursorOverlay();
  const int graves = std::clamp(g_.graveyard.count, 0, Graveyard::kMaxGraves);
  for (int grave = 1; grave <= graves; ++grave) graveMarker(grave);
  const int fighters = std::clamp(g_.combatantCount, 0, kSlotCount);
  for (int s = 1; s <= fighters; ++s) {
    if (g_.slotTable[s] < 1 || g_.slotTable[s] > kSlotCount) continue;
    CharacterPaint(slot(g_, s));
    cellHistoryTrail(slot(g_, s));
  }
  zapBeam();
  if (g_.gridOverlay) gridOverlay();
  marker();
  glPopMatrix();
}

// The normals are the cell positions times the solar-system scale: not
// unit length, so the globe's diffuse light grows and fades with the scale.
void ArenaPainter::texturedGlobe() {
  if (!globeOneByOne) {
    // Each of the globe's fragments is opaque (an RGB texture times a lit
    // colour whose alpha is the planet material's), so blending would only
    // give each pixel back; left off, it spares the rasteriser reading the
    // frame under the globe.
    const bool opaque = components.MaterialPlanet.difAlpha == 1.0f;
    if (opaque) glDisable(GL_BLEND);
    globe_.draw(g_.world, g_.solarScale, view_ ? &*view_ : nullptr);
    if (opaque) glEnable(GL_BLEND);
    return;
  }
  const WorldState& w = g_.world;
  const long double z = g_.solarScale;
  const int triangles = triangleCount(w);
  glBegin(GL_TRIANGLES);
  for (int t = 1; t <= triangles; ++t) {
    const TriangleTexture& layout = triangleTexture(w, t);
    for (int corner = 0; corner < 3; ++corner) {
      const Vec3& p = cellPosition(w, cornerCell(w, 3 * t - 2 + corner));
      glTexCoord2f(static_cast<GLfloat>(layout[corner].u), static_cast<GLfloat>(layout[corner].v));
      normal(scaled(p, z));
      vertex(scaled(p, 1.0L));
    }
  }
  glEnd();
}

bool ArenaPainter::culled() const {
  const TOpenGL& gl = components.OpenGL1;
  return !globeOneByOne && gl.Projection == TProjection::Perspective &&
         (gl.Enable & enables(TEnable::cullFace));
}

bool ArenaPainter::depthTested() const {
  return (components.OpenGL1.Enable & enables(TEnable::depthTest)) != 0;
}

void ArenaPainter::cursorOverlay() {
  const WorldState& w = g_.world;
  const int cursor = g_.cursorCell;

  textures.select(kRingMarkerTexture);
  glEnable(GL_TEXTURE_2D);
  const int ring = ringCount(w, cursor);
  for (int j = 1; j <= ring; ++j) {
    const int e = ringEntry(w, cursor, j);
    if (j == g_.cursorRingPos || e == 0) continue;
    glLoadName(kRingName + e);
    cellMarker(e, 0.05f);
  }
  unnamed();
  glDisable(GL_TEXTURE_2D);

  textures.select(kPoleTexture);
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  translate(at(g_, g_.poleCell));
  components.MaterialPlanet.Apply();
  glScalef(0.1f, 0.1f, 0.1f);
  markerCube();
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);

  textures.select(kAntipodeTexture);
  glEnable(GL_TEXTURE_2D);
  cellMarker(g_.antipodeCell, 0.1f);
  glDisable(GL_TEXTURE_2D);

  textures.select(kRingCursorTexture);
  glEnable(GL_TEXTURE_2D);
  cellMarker(ringEntry(w, cursor, g_.cursorRingPos), 0.17f);
  glDisable(GL_TEXTURE_2D);

  glPushMatrix();
  translate(at(g_, 1));
  normal(at(g_, 1));
  glScalef(0.03f, 0.03f, 0.03f);
  markerCube();
  glPopMatrix();

  const int neighbours = neighbourCount(w, g_.poleCell);
  for (int j = 1; j <= neighbours; ++j) {
    const int e = neighbourSlot(w, g_.poleCell, j);
    if (e == 0) continue;
    glDisable(GL_TEXTURE_2D);
    textures.select(j == g_.cursorNeighbourPos ? kNeighbourCursorTexture : kNeighbourTexture);
    glEnable(GL_TEXTURE_2D);
    glLoadName(kNeighbourName + e);
    cellMarker(e, 0.05f);
  }
  unnamed();
  glDisable(GL_TEXTURE_2D);
  textures.select(kLeftOverTexture);
  glEnable(GL_TEXTURE_2D);
}

// Older graves sink a little and grow a little.
void ArenaPainter::graveMarker(int grave) {
  const Grave& dead = g_.graveyard.graves[grave - 1];
  glPushMatrix();
  components.MaterialBody.Apply();
  const float sink = 1.0121f - static_cast<float>(dead.age) * 0.0001f;
  const Point3f p = scaled(cellPosition(g_.world, dead.cell), sink);
  translate(p);
  normal(p);
  const float s = static_cast<float>(dead.age) * 0.0001f + 0.0333f;
  glScalef(s, s, s);
  markerCube();
  glPopMatrix();
}

// Every cell as a small cube named by its number, and lines from the centre
// to the pole and the antipode. Texturing stays on.
void ArenaPainter::gridOverlay() {
  textures.select(kGridTexture);
  glEnable(GL_TEXTURE_2D);
  glPointSize(7.0f);
  if (selecting_ || cellsOneByOne) {
    for (int n = 1; n <= kSphereCellCount; ++n) {
      glLoadName(static_cast<GLuint>(n));
      glPushMatrix();
      const Point3f p = at(g_, n);
      translate(p);
      normal(p);
      glScalef(kGridCubeScale, kGridCubeScale, kGridCubeScale);
      markerCube();
      glPopMatrix();
    }
    unnamed();
  } else {
    gridCubes_.draw(g_.world, kGridCubeScale, view_ ? &*view_ : nullptr);
  }
  for (int cell : {g_.poleCell, g_.antipodeCell}) {
    const Point3f p = at(g_, cell);
    glBegin(GL_LINES);
    normal(-p);
    glVertex3f(0.0f, 0.0f, 0.0f);
    vertex(p);
    glEnd();
  }
}

void ArenaPainter::marker() {
  cellMarker(cornerCell(g_.world, kMarkerPoint), 0.05f);
}

}  // namespace vorlund::render

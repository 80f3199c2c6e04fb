#include "render/arena_painter.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "render/gl_rotate.h"
#include "render/gl_state.h"
#include "render/scene_math.h"
#include "state/game.h"

namespace vorlund::render {
namespace {

// The cell whose direction the arena centre is turned towards: the one
// facing the viewer.
constexpr int kReferenceCell = 268;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr float kLabelDepth = -8.0f;
constexpr float kStarDistance = 200.0f;
constexpr GLfloat kBodyPointSize = 5.0f;

Point3f scaledBody(const PlanetVec& v, long double factor) {
  return scaled(Vec3{v.x, v.y, v.z}, factor);
}

const TPlanet* body(const Game& g, int k) {
  return k >= 0 && k < kBodyCount ? &g.solar.bodies[k] : nullptr;
}

// The focus turn: the angle (degrees) and axis that bring the focus cell's
// direction onto the reference cell's.
struct FocusTurn {
  GLfloat angle = 0.0f;
  Point3f axis;
};

FocusTurn focusTurn(const Vec3& c, const Vec3& r) {
  const float cosine = std::clamp(cosineBetween(c, r), -1.0f, 1.0f);
  FocusTurn t;
  // A focus cell that is no cell has no direction: the arena is not turned.
  if (!std::isnan(cosine)) t.angle = static_cast<GLfloat>(std::acos(cosine) / kRadiansPerDegree);
  t.axis = {static_cast<GLfloat>(c.y * r.z - c.z * r.y),
            static_cast<GLfloat>(c.z * r.x - c.x * r.z),
            static_cast<GLfloat>(c.x * r.y - c.y * r.x)};
  return t;
}

void rotate(const FocusTurn& t) {
  rotateDegrees(t.angle, t.axis.x, t.axis.y, t.axis.z);
}

void pointAt(const Point3f& where, const Point3f& facing) {
  glBegin(GL_POINTS);
  normal(facing);
  vertex(where);
  glEnd();
}

}  // namespace

ArenaPainter::ArenaPainter(Game& g, TextureMode mode) : textures(mode), g_(g) {
  components.TRansformPlanet.OnPaint = [this](TTransform&) { TRansformPlanetPaint(); };
}

void ArenaPainter::startGl(const GlyphSet& glyphs) {
  components.OpenGL1.Loaded();
  initGlState();
  listBase_ = buildGlyphLists(glyphs);
  textures.upload(components.OpenGL1);
  textures.releaseImages();
  glSelectBuffer(static_cast<GLsizei>(selectBuffer_.size()), selectBuffer_.data());
}

void ArenaPainter::setGlyphs(const GlyphSet& glyphs) {
  if (listBase_ != 0) glDeleteLists(listBase_ + kFirstGlyph, kGlyphCount);
  listBase_ = buildGlyphLists(glyphs);
}

bool ArenaPainter::FormResize(int clientWidth, int clientHeight) {
  if (!components.OpenGL1.Resize(clientWidth, clientHeight)) return false;
  FormPaint();
  return true;
}

void ArenaPainter::FormPaint() {
  MainWindowComponents& c = components;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  const int focusCell = g_.arenaCentre > kSphereCellCount ? slot(g_, 1).Hex : g_.arenaCentre;
  const Vec3& focus = cellPosition(g_.world, focusCell);
  const FocusTurn turn = focusTurn(focus, cellPosition(g_.world, kReferenceCell));
  const long double z = g_.solarScale;
  const auto depth = static_cast<GLfloat>(g_.viewDepth);
  const TPlanet* viewed = body(g_, g_.viewedBody);
  const Point3f b = viewed ? scaledBody(viewed->position, z) : Point3f{};
  const Point3f f = scaled(focus, z);
  const Point3f arenaOffset{-f.x, -f.y, depth - f.z};
  const Point3f bodyOffset{-b.x, -b.y, depth - b.z};

  glColor3f(0.0f, 0.5f, 0.5f);
  c.MaterialStars.setAmbient(0.0f, 0.5f, 0.5f);
  c.MaterialStars.setDiffuse(0.0f, 0.5f, 0.5f);
  c.MaterialStars.Apply();
  cornerLabels();

  const auto scale = static_cast<GLfloat>(g_.globeScale);
  glScalef(scale, scale, scale);
  glRotatef(static_cast<GLfloat>(g_.viewYaw), 0.0f, 1.0f, 0.0f);
  glRotatef(static_cast<GLfloat>(g_.viewPitch), 1.0f, 0.0f, 0.0f);

  // The scene light stands where the sun is seen from the viewed body.
  glPushMatrix();
  rotate(turn);
  translate(bodyOffset);
  c.Light2.Apply();
  glPopMatrix();

  c.MaterialStars.setAmbient(1.0f, 1.0f, 1.0f);
  c.MaterialStars.setDiffuse(0.5f, 0.5f, 0.5f);
  c.MaterialStars.Apply();
  starField();

  glPushMatrix();
  translate(arenaOffset);
  rotate(turn);
  viewedBody();
  glPopMatrix();

  glPushMatrix();
  otherBodies();
  glPopMatrix();

  c.OpenGL1.SwapBuffers();
  c.OpenGL1.CheckError("formpaint");
}

void ArenaPainter::cornerLabels() {
  static constexpr GLfloat kCorners[4][2] = {
      {-4.85f, 3.6f}, {4.55f, 3.6f}, {-4.85f, -3.8f}, {4.55f, -3.8f}};
  for (int i = 0; i < 4; ++i) {
    glRasterPos3f(kCorners[i][0], kCorners[i][1], kLabelDepth);
    drawText(listBase_, g_.solar.labels[i]);
  }
}

// The stars are the directions of the cells, pushed out to radius 200, in
// three kinds by cell number: size, colour and material follow i mod 3. A
// kind is drawn in one go, which gives the same picture as star by star
// (stars never overlap) and leaves the state of the last star, a kind-0 one.
void ArenaPainter::starField() {
  TMaterial& stars = components.MaterialStars;
  const TPlanet* viewed = body(g_, g_.viewedBody);
  const Point3f facing = -(viewed ? scaledBody(viewed->position, g_.solarScale) : Point3f{});
  glPushMatrix();
  for (int kind : {1, 2, 0}) {
    const GLfloat s = static_cast<GLfloat>(kind) + 0.5f;
    glPointSize(s);
    glColor4f(0.2f, s, 0.5f, 1.0f);
    stars.setDiffuse(0.2f, s, 0.5f);
    stars.Apply();
    glBegin(GL_POINTS);
    normal(facing);
    for (int i = kind == 0 ? 3 : kind; i <= kSphereCellCount; i += 3)
      vertex(scaled(cellPosition(g_.world, i), kStarDistance));
    glEnd();
  }
  glPopMatrix();
}

void ArenaPainter::bodyLabel(int k, float x, float y, float z) {
  glRasterPos3f(x, y, z);
  drawText(listBase_, g_.solar.bodies[k].name);
}

void ArenaPainter::viewedBody() {
  const TPlanet* viewed = body(g_, g_.viewedBody);
  if (!viewed) return;
  MainWindowComponents& c = components;
  paintedBody_ = g_.viewedBody;
  const auto size = static_cast<GLfloat>(viewed->radius * g_.solarScale);
  c.TRansformPlanet.setTranslation(0.0f, 0.0f, 0.0f);
  c.TRansformPlanet.setScale(size);
  bodyLabel(g_.viewedBody, size, size, size);
  c.TRansformPlanet.Paint();
  glPointSize(kBodyPointSize);
  glColor3f(1.0f, 1.0f, 1.0f);
  c.MaterialStars.Apply();
  pointAt({}, {});
}

// The other bodies stand where they are seen from the sun; the transform
// only holds their numbers, as no globe is drawn for them.
void ArenaPainter::otherBodies() {
  MainWindowComponents& c = components;
  const int last = std::min(g_.lastBody, kLastBodyIndex);
  for (int k = 0; k <= last; ++k) {
    if (k == g_.viewedBody) continue;
    const TPlanet& p = g_.solar.bodies[k];
    paintedBody_ = k;
    const Point3f at = scaledBody(p.position, g_.solarScale);
    const auto size = static_cast<GLfloat>(p.radius * g_.solarScale);
    c.TRansformPlanet.setTranslation(at.x, at.y, at.z);
    c.TRansformPlanet.setScale(size);
    bodyLabel(k, at.x + size, at.y + size, at.z + size);
    glPointSize(kBodyPointSize);
    glColor3f(1.0f, 1.0f, 1.0f);
    c.MaterialStars.Apply();
    pointAt(at, -at);
  }
}

}  // namespace vorlund::render

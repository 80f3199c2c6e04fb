#include "render/cell_cubes.h"

#include <array>
#include <cmath>

#include "render/client_arrays.h"
#include "render/eye_view.h"
#include "render/marker_cube.h"
#include "state/world_state.h"

namespace vorlund::render {
namespace {

constexpr int kCornersPerCube = kCubeFaceCount * 4;

Point3f placeOf(const WorldState& w, int cell) {
  return scaled(cellPosition(w, cell), 1.0L);
}

// How far a face must be turned from the eye (as a sine) before it counts
// as facing away; and how far times its side in pixels: its area in the
// window is then below zero by well over what GL's snapping of corners to
// a 256th of a pixel could change.
constexpr double kAwaySine = 0.05;
constexpr double kAwayPixels = 0.4;

// The cubes' faces as the eye sees them this frame: each face's outward
// normal (from its winding), unit length, and the way from a cube's centre
// to the face's centre, in eye space; a cube's side and its reach (centre
// to corner, and a little more) in drawing units.
struct FaceTurns {
  std::array<EyeView::Eye, kCubeFaceCount> normal{}, offset{};
  double side = 0.0, sideInEye = 0.0, reach = 0.0;
};

FaceTurns faceTurns(const EyeView& view, GLfloat scale) {
  FaceTurns t;
  for (int f = 0; f < kCubeFaceCount; ++f) {
    const auto& c = kCubeFaces[f].corners;
    const EyeView::Eye u{c[1][0] - c[0][0], c[1][1] - c[0][1], c[1][2] - c[0][2]};
    const EyeView::Eye v{c[2][0] - c[0][0], c[2][1] - c[0][1], c[2][2] - c[0][2]};
    const EyeView::Eye n =
        view.turn({u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]});
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    t.normal[f] = {n[0] / length, n[1] / length, n[2] / length};
    EyeView::Eye middle{};
    for (const auto& corner : c)
      for (int a = 0; a < 3; ++a) middle[a] += corner[a] * scale / 4.0;
    t.offset[f] = view.turn(middle);
  }
  const EyeView::Eye side = view.turn({0.8 * scale, 0.0, 0.0});
  t.side = 0.8 * scale;
  t.sideInEye = std::sqrt(side[0] * side[0] + side[1] * side[1] + side[2] * side[2]);
  t.reach = 0.4 * std::sqrt(3.0) * scale * 1.01;
  return t;
}

// Bit f set: face f of the cube there certainly faces away from the eye.
unsigned facesAway(const EyeView& view, const FaceTurns& t, const Point3f& place) {
  const EyeView::Eye centre = view.eye(place);
  // Only a cube wholly in front of the eye.
  if (!(centre[2] + t.reach / t.side * t.sideInEye < 0.0)) return 0;
  unsigned away = 0;
  for (int f = 0; f < kCubeFaceCount; ++f) {
    const EyeView::Eye m{centre[0] + t.offset[f][0], centre[1] + t.offset[f][1],
                         centre[2] + t.offset[f][2]};
    const double distance = std::sqrt(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]);
    const double sine = (t.normal[f][0] * m[0] + t.normal[f][1] * m[1] + t.normal[f][2] * m[2]) /
                        distance;
    const double pixels = t.sideInEye * view.pixelsPerUnit() / distance;
    if (sine > kAwaySine && sine * pixels > kAwayPixels) away |= 1u << f;
  }
  return away;
}

}  // namespace

bool CellCubes::placedAt(const WorldState& w, GLfloat scale) const {
  if (scale != scale_ || places_.size() != static_cast<std::size_t>(kSphereCellCount)) return false;
  for (int n = 1; n <= kSphereCellCount; ++n) {
    const Point3f p = placeOf(w, n);
    const Point3f& q = places_[n - 1];
    if (p.x != q.x || p.y != q.y || p.z != q.z) return false;
  }
  return true;
}

// A corner c of the cube on cell p lies at p + scale c; a normal n becomes
// n / scale, as the scaled modelview would have turned it.
void CellCubes::build(const WorldState& w, GLfloat scale) {
  scale_ = scale;
  places_.resize(kSphereCellCount);
  const auto corners = static_cast<std::size_t>(kSphereCellCount) * kCornersPerCube;
  all_.resize(corners);
  shown_.resize(corners);
  GLfloat* v = all_.vertices.data();
  GLfloat* nm = all_.normals.data();
  GLfloat* t = all_.texCoords.data();
  for (int cell = 1; cell <= kSphereCellCount; ++cell) {
    const Point3f p = placeOf(w, cell);
    places_[cell - 1] = p;
    for (int f = 0; f < kCubeFaceCount; ++f) {
      const CubeFace& face = kCubeFaces[f];
      for (int c = 0; c < 4; ++c) {
        *v++ = p.x + scale * face.corners[c][0];
        *v++ = p.y + scale * face.corners[c][1];
        *v++ = p.z + scale * face.corners[c][2];
        for (int a = 0; a < 3; ++a) *nm++ = face.normal[a] / scale;
        const GLfloat* tex = f == 0 ? kFrontTexCoords[c] : kFrontTexCoords[3];
        *t++ = tex[0];
        *t++ = tex[1];
      }
    }
  }
}

void CellCubes::draw(const WorldState& w, GLfloat scale, const EyeView* view) {
  if (!placedAt(w, scale)) build(w, scale);
  if (!view) {
    all_.draw(GL_QUADS, kSphereCellCount * kCornersPerCube);
  } else {
    // Copied together, to be drawn as arrays still: drawn by indices, the
    // same faces come out a shade different here and there.
    int drawn = 0;
    const FaceTurns turns = faceTurns(*view, scale);
    for (int cell = 0; cell < kSphereCellCount; ++cell) {
      if (view->hidden(places_[cell], turns.reach)) continue;
      const unsigned away = facesAway(*view, turns, places_[cell]);
      for (int f = 0; f < kCubeFaceCount; ++f) {
        if (away & (1u << f)) continue;
        shown_.copy(all_, (cell * kCubeFaceCount + f) * 4, 4, drawn);
        drawn += 4;
      }
    }
    shown_.draw(GL_QUADS, drawn);
  }
  // What the arrays leave current is undefined: set what the last cube's
  // immediate calls would have left.
  glNormal3fv(kCubeFaces[kCubeFaceCount - 1].normal);
  glTexCoord2fv(kFrontTexCoords[3]);
  glColor3fv(kFrontColours[3]);
}

}  // namespace vorlund::render

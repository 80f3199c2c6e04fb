#include "render/globe_mesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "render/client_arrays.h"
#include "render/eye_view.h"
#include "render/scene_math.h"
#include "state/world_state.h"

namespace vorlund::render {
namespace {

using Point = std::array<double, 3>;

double dot(const Point& a, const Point& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
Point cross(const Point& a, const Point& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double length(const Point& a) {
  return std::sqrt(dot(a, a));
}

// The solid angle the triangle a, b, c fills as seen from the centre;
// negative when it is turned inwards.
double solidAngle(const Point& a, const Point& b, const Point& c) {
  const double la = length(a), lb = length(b), lc = length(c);
  const double triple = dot(a, cross(b, c));
  const double below = la * lb * lc + dot(a, b) * lc + dot(a, c) * lb + dot(b, c) * la;
  return 2.0 * std::atan2(triple, below);
}

}  // namespace

bool GlobeMesh::builtFor(const WorldState& w, long double solarScale) const {
  return solarScale == scale_ && corners_ == 3 * triangleCount(w) && cells_ == w.cells;
}

void GlobeMesh::build(const WorldState& w, long double solarScale) {
  const bool cellsMoved = cells_ != w.cells || corners_ != 3 * triangleCount(w);
  cells_ = w.cells;
  scale_ = solarScale;
  const int triangles = triangleCount(w);
  corners_ = 3 * triangles;
  all_.resize(static_cast<std::size_t>(corners_));
  shown_.resize(static_cast<std::size_t>(corners_));
  cornerCells_.resize(static_cast<std::size_t>(corners_));
  windows_.resize(cells_.size() + 1);
  inFront_.resize(cells_.size() + 1);
  GLfloat* t = all_.texCoords.data();
  GLfloat* n = all_.normals.data();
  GLfloat* v = all_.vertices.data();
  for (int tri = 1; tri <= triangles; ++tri) {
    const TriangleTexture& layout = triangleTexture(w, tri);
    for (int corner = 0; corner < 3; ++corner) {
      const std::int32_t cell = cornerCell(w, 3 * tri - 2 + corner);
      // Past the cells: the origin, where the cell table puts a corner
      // that is no cell.
      const bool inTable = cell >= 0 && static_cast<std::size_t>(cell) < cells_.size();
      cornerCells_[3 * (tri - 1) + corner] =
          inTable ? cell : static_cast<std::int32_t>(cells_.size());
      const Vec3& p = cellPosition(w, cell);
      *t++ = static_cast<GLfloat>(layout[corner].u);
      *t++ = static_cast<GLfloat>(layout[corner].v);
      const Point3f normal = scaled(p, solarScale);
      const Point3f vertex = scaled(p, 1.0L);
      *n++ = normal.x, *n++ = normal.y, *n++ = normal.z;
      *v++ = vertex.x, *v++ = vertex.y, *v++ = vertex.z;
    }
  }
  if (cellsMoved) findShell(w);
}

// Closed round the centre once: every corner-to-corner side is walked once
// each way, and the solid angles, all positive, add up to the whole sphere.
void GlobeMesh::findShell(const WorldState& w) {
  shell_ = 0.0;
  const int triangles = corners_ / 3;
  if (triangles < 4) return;
  std::vector<std::pair<std::int32_t, std::int32_t>> sides;
  sides.reserve(static_cast<std::size_t>(corners_));
  double nearest = HUGE_VAL, whole = 0.0;
  for (int tri = 0; tri < triangles; ++tri) {
    std::array<Point, 3> p;
    std::array<std::int32_t, 3> cell;
    for (int k = 0; k < 3; ++k) {
      cell[k] = cornerCell(w, 3 * tri + 1 + k);
      if (!isCell(cell[k])) return;
      const GLfloat* v = &all_.vertices[9 * tri + 3 * k];
      p[k] = {v[0], v[1], v[2]};
    }
    for (int k = 0; k < 3; ++k) sides.emplace_back(cell[k], cell[(k + 1) % 3]);
    const double angle = solidAngle(p[0], p[1], p[2]);
    if (!(angle > 0.0)) return;
    whole += angle;
    const Point normal = cross({p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]},
                               {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]});
    nearest = std::min(nearest, dot(normal, p[0]) / length(normal));
  }
  if (std::abs(whole - 4.0 * std::numbers::pi) > 1e-6) return;
  std::sort(sides.begin(), sides.end());
  if (std::adjacent_find(sides.begin(), sides.end()) != sides.end()) return;
  for (const auto& [from, to] : sides)
    if (!std::binary_search(sides.begin(), sides.end(), std::make_pair(to, from))) return;
  // A little inside, for the floats the corners are drawn with.
  if (nearest > 0.0) shell_ = nearest * (1.0 - 1e-4);
}

void GlobeMesh::draw(const WorldState& w, long double solarScale, const EyeView* view) {
  if (!builtFor(w, solarScale)) build(w, solarScale);
  if (corners_ == 0) return;
  if (!view) {
    all_.draw(GL_TRIANGLES, corners_);
  } else {
    // Where each corner cell lands in the window, when it lies in front.
    for (std::size_t c = 0; c <= cells_.size(); ++c) {
      const EyeView::Eye e = view->eye(c < cells_.size() ? scaled(cells_[c], 1.0L) : Point3f{});
      inFront_[c] = e[2] < 0.0;
      if (inFront_[c]) windows_[c] = view->window(e);
    }
    // Copied together, to be drawn as arrays still: drawn by indices, the
    // same triangles come out a shade different here and there.
    int drawn = 0;
    for (int k = 0; k < corners_; k += 3) {
      const std::int32_t a = cornerCells_[k], b = cornerCells_[k + 1], c = cornerCells_[k + 2];
      if (inFront_[a] && inFront_[b] && inFront_[c] &&
          EyeView::turnedAway(windows_[a], windows_[b], windows_[c]))
        continue;
      shown_.copy(all_, k, 3, drawn);
      drawn += 3;
    }
    shown_.draw(GL_TRIANGLES, drawn);
  }
  const std::size_t last = static_cast<std::size_t>(corners_) - 1;
  glNormal3fv(&all_.normals[3 * last]);
  glTexCoord2fv(&all_.texCoords[2 * last]);
}

}  // namespace vorlund::render

#include "render/cell_cubes.h"

#include "render/marker_cube.h"
#include "world/world_state.h"

namespace vorlund::render {
namespace {

constexpr int kCornersPerCube = kCubeFaceCount * 4;

Point3f placeOf(const WorldState& w, int cell) {
  return scaled(cellPosition(w, cell), 1.0L);
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
  vertices_.resize(static_cast<std::size_t>(kSphereCellCount) * kCornersPerCube * 3);
  normals_.resize(vertices_.size());
  texCoords_.resize(static_cast<std::size_t>(kSphereCellCount) * kCornersPerCube * 2);
  GLfloat* v = vertices_.data();
  GLfloat* nm = normals_.data();
  GLfloat* t = texCoords_.data();
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

void CellCubes::draw(const WorldState& w, GLfloat scale) {
  if (!placedAt(w, scale)) build(w, scale);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, vertices_.data());
  glNormalPointer(GL_FLOAT, 0, normals_.data());
  glTexCoordPointer(2, GL_FLOAT, 0, texCoords_.data());
  glDrawArrays(GL_QUADS, 0, kSphereCellCount * kCornersPerCube);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  // What the arrays leave current is undefined: set what the last cube's
  // immediate calls would have left.
  glNormal3fv(kCubeFaces[kCubeFaceCount - 1].normal);
  glTexCoord2fv(kFrontTexCoords[3]);
  glColor3fv(kFrontColours[3]);
}

}  // namespace vorlund::render

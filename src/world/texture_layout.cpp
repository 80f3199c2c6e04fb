#include "world/texture_layout.h"

#include <cmath>
#include <numbers>

#include "state/failure.h"
#include "state/game.h"

namespace vorlund {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kTextureScale = 10.0L;

long double angleBetween(const Vec3& a, const Vec3& b) {
  return std::acos(static_cast<long double>(cosineBetween(a, b)));
}

// The previous triangle's corner angle as a rotation: one turn at most off.
long double withinOneTurn(long double angle) {
  if (angle > 2 * kPi) return angle - 2 * kPi;
  if (angle < 0) return angle + 2 * kPi;
  return angle;
}

TextureCorner rotated(const TextureCorner& c, long double psi) {
  const long double cosPsi = std::cos(psi);
  const long double sinPsi = std::sin(psi);
  return {c.u * cosPsi - c.v * sinPsi, c.u * sinPsi + c.v * cosPsi, c.angle};
}

Vec3 cornerPosition(const WorldState& w, std::int32_t point) {
  return cellPosition(w, cornerCell(w, point));
}

}  // namespace

TriangleTexture polarLayout(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& centre) {
  TriangleTexture t;
  t[0].angle = angleBetween(difference(a, b), difference(a, c));
  t[1].angle = angleBetween(difference(b, a), difference(b, c));
  t[2].angle = angleBetween(difference(c, a), difference(c, b));

  const long double theta = 0.5L * angleBetween(difference(a, centre), difference(b, centre));
  const long double r = distance(a, centre);
  t[0].u = std::cos(-theta) * r * kTextureScale;
  t[0].v = std::sin(-theta) * r * kTextureScale;
  // Corner 2 sits at corner 1's distance too: the layout is symmetric about u.
  t[1].u = std::cos(theta) * r * kTextureScale;
  t[1].v = std::sin(theta) * r * kTextureScale;

  const long double phi = angleBetween(difference(a, centre), difference(c, centre)) + theta;
  const long double r3 = distance(c, centre);
  t[2].u = std::cos(phi) * r3 * kTextureScale;
  t[2].v = std::sin(phi) * r3 * kTextureScale;
  return t;
}

void layOutFirstTriangle(WorldState& w) {
  if (triangleCount(w) < 1) return;
  w.texture[1] = polarLayout(cornerPosition(w, 1), cornerPosition(w, 2), cornerPosition(w, 3),
                             triangleCentre(w, 1));
}

bool layOutTriangle(WorldState& w, std::int32_t t) {
  if (t < 2 || t > triangleCount(w)) return false;
  const std::int32_t a = cornerCell(w, 3 * t - 2);
  const std::int32_t b = cornerCell(w, 3 * t - 1);
  const std::int32_t p1 = cornerCell(w, 3 * t - 5);
  const std::int32_t p2 = cornerCell(w, 3 * t - 4);
  const std::int32_t p3 = cornerCell(w, 3 * t - 3);
  const TriangleTexture& previous = w.texture[static_cast<std::size_t>(t - 1)];

  // The shared edge of the two triangles decides how far the new one turns.
  long double psi = 0;
  if (a == p1 && b != p2 && b == p3) {
    psi = withinOneTurn(previous[0].angle);
  } else if (a != p1 && a != p2 && a == p3 && b != p1 && b == p2) {
    psi = withinOneTurn(previous[1].angle);
  } else if (a != p1 && a == p2 && b == p1) {
    psi = kPi;
  } else {
    return false;
  }

  TriangleTexture layout = polarLayout(cellPosition(w, a), cellPosition(w, b),
                                       cornerPosition(w, 3 * t), triangleCentre(w, t));
  layout[0].angle += psi;
  layout[1].angle += psi;
  for (TextureCorner& corner : layout) corner = rotated(corner, psi);
  // Corner 2 of this triangle lands on corner 3 of the one before.
  const long double du = previous[2].u - layout[1].u;
  const long double dv = previous[2].v - layout[1].v;
  for (TextureCorner& corner : layout) {
    corner.u += du;
    corner.v += dv;
  }
  w.texture[static_cast<std::size_t>(t)] = layout;
  return true;
}

void layOutTexture(Game& g) {
  layOutFirstTriangle(g.world);
  for (std::int32_t t = 2; t <= triangleCount(g.world); ++t) {
    if (!layOutTriangle(g.world, t))
      reportFailure(g, Failure::beeped("Triangle " + std::to_string(t) +
                                       " does not continue the strip: it has no texture"));
  }
}

}  // namespace vorlund

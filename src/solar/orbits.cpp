#include "solar/orbits.h"

#include <algorithm>
#include <cmath>

#include "solar/kick_terms.h"
#include "state/game.h"

namespace vorlund {
namespace {

constexpr long double kGravity = 6.672e-11L;

// Loops over bodies never run past the table, whatever the index says.
int lastBody(const Game& g) {
  return std::min(g.lastBody, kLastBodyIndex);
}

// Applies the kicks of attractors [begin, end) in order: each one changes
// the velocity, then the body moves by it.
void drift(const GravityScratch& s, int begin, int end, PlanetVec& v, PlanetVec& p) {
  long double vx = v.x, vy = v.y, vz = v.z;
  long double px = p.x, py = p.y, pz = p.z;
  for (int j = begin; j < end; ++j) {
    vx += s.kickX[j];
    vy += s.kickY[j];
    vz += s.kickZ[j];
    px += vx;
    py += vy;
    pz += vz;
  }
  v = {vx, vy, vz};
  p = {px, py, pz};
}

void splitSnapshot(GravityScratch& s, int k, const PlanetVec& p) {
  s.hiX[k] = static_cast<double>(p.x);
  s.hiY[k] = static_cast<double>(p.y);
  s.hiZ[k] = static_cast<double>(p.z);
  s.loX[k] = static_cast<double>(p.x - s.hiX[k]);
  s.loY[k] = static_cast<double>(p.y - s.hiY[k]);
  s.loZ[k] = static_cast<double>(p.z - s.hiZ[k]);
}

// The tick's constants of every attractor, and the snapshots as doubles.
void prepareScratch(Game& g, int last) {
  GravityScratch& s = g.solar.scratch;
  const long double perStep = g.secondsPerTick * g.secondsPerTick / g.lastBody;
  for (int j = 0; j <= last; ++j) {
    const TPlanet& b = g.solar.bodies[j];
    s.pull[j] = static_cast<double>(b.mass * kGravity * perStep);
    s.reach2[j] = static_cast<double>(b.gravityRadius) * b.gravityRadius;
    splitSnapshot(s, j, g.solar.snapshots[j]);
  }
}

}  // namespace

void gravityStep(Game& g, int k, int j) {
  const PlanetVec& from = g.solar.snapshots[k];
  const PlanetVec& to = g.solar.snapshots[j];
  const TPlanet& attractor = g.solar.bodies[j];
  TPlanet& body = g.solar.bodies[k];

  const long double dx = to.x - from.x;
  const long double dy = to.y - from.y;
  const long double dz = to.z - from.z;
  const long double reach = attractor.gravityRadius;
  const long double s = dx * dx + dy * dy + dz * dz - reach * reach;
  // Squared first: multiplying by the step twice would round differently.
  const long double stepSquared = g.secondsPerTick * g.secondsPerTick;
  const long double a = (1.0L / s) * attractor.mass * kGravity * stepSquared / g.lastBody;
  const long double length = std::sqrt(dx * dx + dy * dy + dz * dz);
  body.velocity.x += a * (dx / length);
  body.velocity.y += a * (dy / length);
  body.velocity.z += a * (dz / length);
  body.position.x += body.velocity.x;
  body.position.y += body.velocity.y;
  body.position.z += body.velocity.z;
}

void spinBody(Game& g, int i) {
  TPlanet& b = g.solar.bodies[i];
  const double step = 360.0 / b.rotationPeriod / g.timeScaleDivisor * (1.0 / 1440.0);
  b.spinAngle = static_cast<float>(b.spinAngle + step);
  if (b.spinAngle >= 360.0f) b.spinAngle -= 360.0f;
}

void orbitAdvance(Game& g) {
  const int last = lastBody(g);
  if (last < 0) return;
  prepareScratch(g, last);
  GravityScratch& s = g.solar.scratch;
  for (int k = last; k >= 0; --k) {
    spinBody(g, k);
    TPlanet& b = g.solar.bodies[k];
    g.solar.snapshots[k] = b.position;
    splitSnapshot(s, k, b.position);
    kickTerms(s, k, 0, k);
    kickTerms(s, k, k + 1, last + 1);
    drift(s, 0, k, b.velocity, b.position);
    drift(s, k + 1, last + 1, b.velocity, b.position);
  }
}

void orbitAdvanceStepwise(Game& g) {
  const int last = lastBody(g);
  for (int k = last; k >= 0; --k) {
    spinBody(g, k);
    g.solar.snapshots[k] = g.solar.bodies[k].position;
    for (int j = 0; j <= last; ++j)
      if (j != k) gravityStep(g, k, j);
  }
}

}  // namespace vorlund

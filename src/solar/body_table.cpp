#include "solar/body_table.h"

#include <array>
#include <cmath>

#include "state/game.h"

namespace vorlund {
namespace {

constexpr long double kPi = 3.141592653589793;
constexpr long double kSecondsPerDay = 86400;

bool isBody(int k) {
  return k >= 0 && k <= kLastBodyIndex;
}

// These bodies start with no sideways motion at all, whatever their parent does.
bool startsFlat(int k) {
  return (k >= 1 && k <= 8) || k == 122 || k == 123;
}

void buildPosition(const TPlanet& parent, int k, TPlanet& b) {
  b.position.y = parent.position.y;
  b.position.z = parent.position.z;
  const long double orbit = b.orbitRadius;
  if (k >= 5 && k <= 8)
    b.position.x = parent.position.x + orbit;
  else if (k == 15)  // Triton starts on the far side of Neptune
    b.position.x = parent.position.x - orbit;
  else
    b.position.x = parent.position.x + static_cast<long double>(parent.radius) + orbit;
}

}  // namespace

void buildBody(Game& g, int k) {
  if (!isBody(k)) return;
  const BodyRow row = builtInRow(k);
  TPlanet& b = g.solar.bodies[k];
  b.parent = row.parent;
  b.radius = row.radius;
  b.orbitRadius = row.orbitRadius;
  b.tilt = row.tilt;
  b.startAngle = row.startAngle;
  b.rotationPeriod = row.rotationPeriod;
  b.gravityRadius = static_cast<float>(row.radius * row.gravityFactor);
  b.mass = static_cast<float>(1e24L * row.massFactor);
  b.period = static_cast<float>(row.periodDays * g.ticksPerDay);
  b.circumference = static_cast<float>(static_cast<long double>(b.orbitRadius) * 2 * kPi);
  b.orbitRadiusCopy = (k >= 1 && k <= 4) ? b.orbitRadius : 0.0f;
  b.albedo = row.albedo;

  if (k == 0) {
    b.velocity = {};
    b.position = {};
    b.period = 0.0f;
    b.circumference = 0.0f;
    return;
  }
  const TPlanet& parent = g.solar.bodies[row.parent];
  // Metres per gravity step: a tick moves every body once per other body.
  b.velocity.y =
      static_cast<long double>(b.circumference) / b.period / g.lastBody + parent.velocity.y;
  b.velocity.x = startsFlat(k) ? 0.0L : parent.velocity.x;
  b.velocity.z = startsFlat(k) ? 0.0L : parent.velocity.z;
  buildPosition(parent, k, b);
}

void placeBody(Game& g, int k) {
  if (!isBody(k)) return;
  TPlanet& b = g.solar.bodies[k];
  if (!isBody(b.parent)) return;
  const TPlanet& parent = g.solar.bodies[b.parent];
  const long double theta = (static_cast<long double>(b.startAngle) + 90) * kPi / 180;
  b.position.x = parent.position.x + std::sin(theta) * b.orbitRadius;
  b.position.z = parent.position.z + std::cos(theta) * b.orbitRadius;
}

void clampTicksPerDay(Game& g) {
  if (g.ticksPerDay > kSecondsPerDay) g.ticksPerDay = kSecondsPerDay;
  g.secondsPerTick = kSecondsPerDay / g.ticksPerDay;
}

void rebuildSolarSystem(Game& g) {
  g.zoomAnimation = true;
  g.viewedBody = 4;
  clampTicksPerDay(g);
  // Parents come before their children, so each build finds its parent ready.
  for (int k = 0; k <= kLastBodyIndex; ++k) {
    buildBody(g, k);
    placeBody(g, k);
  }
  seedSnapshots(g);
}

void setBodyLabels(Game& g) {
  static constexpr std::array<const char*, 12> kLabels{"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                       "F7", "F8", "F9", "F10", "F11", "F12"};
  for (std::size_t i = 0; i < kLabels.size(); ++i) g.solar.labels[i] = kLabels[i];
  for (int k = 0; k <= kLastBodyIndex; ++k) g.solar.bodies[k].name = builtInRow(k).name;
}

void seedSnapshots(Game& g) {
  for (int k = 0; k <= kLastBodyIndex; ++k) g.solar.snapshots[k] = g.solar.bodies[k].position;
}

}  // namespace vorlund

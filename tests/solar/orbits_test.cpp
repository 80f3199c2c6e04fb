#include "solar/orbits.h"

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "solar_fixture.h"

namespace vorlund::testing {
namespace {

using Orbits = SolarTest;

TEST_F(Orbits, FirstTickCarriesJupiterAlongItsStartVelocityBentToTheSun) {
  rebuildSolarSystem(g());
  const PlanetVec before = g().solar.bodies[1].position;
  solarTick(g());
  const PlanetVec& after = g().solar.bodies[1].position;
  EXPECT_NEAR(static_cast<double>(after.y - before.y), 144 * 32658.65, 144 * 0.01);
  // The sun lies towards -x and +z from Jupiter.
  EXPECT_TRUE(after.x - before.x < 0 && after.x - before.x > -1e4L);
  EXPECT_TRUE(after.z - before.z > 0 && after.z - before.z < 1e3L);
}

TEST_F(Orbits, GravityStepFollowsThePlainFormula) {
  g().lastBody = 3, g().secondsPerTick = 360.0L;
  TPlanet& body = g().solar.bodies[0];
  g().solar.bodies[1].mass = 5e20f, g().solar.bodies[1].gravityRadius = 3e9f;
  body.velocity = {1.0L, 0.0L, -1.0L}, body.position = {7.0L, 0.0L, 0.0L};
  g().solar.snapshots[0] = {1e9L, 0.0L, 0.0L}, g().solar.snapshots[1] = {4e9L, 4e9L, 0.0L};
  gravityStep(g(), 0, 1);
  // s = 25e18 - 9e18; a = 1 / s * mass * G * 360^2 / 3 along (0.6, 0.8, 0).
  const long double a = 1.0L / 16e18L * 5e20f * 6.672e-11L * 129600.0L / 3;
  EXPECT_EQ(std::make_tuple(body.velocity.x, body.velocity.y, body.velocity.z, body.position.x,
                            body.position.z),
            std::make_tuple(1 + a * (3e9L / 5e9L), a * (4e9L / 5e9L), -1.0L, 7.0L + body.velocity.x,
                            -1.0L));
}

long double apart(const PlanetVec& a, const PlanetVec& b) {
  return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// The shipped advance works the pair terms in doubles; after 1000 ticks every
// body must still be where the plain extended form puts it. A last body index
// past the table then runs over the table only.
TEST_F(Orbits, FastAdvanceKeepsToThePlainFormOverAThousandTicks) {
  rebuildSolarSystem(g());
  auto plain = freshGame();
  rebuildSolarSystem(*plain);
  for (int tick = 0; tick <= 1000; ++tick) {
    if (tick == 1000) g().lastBody = plain->lastBody = 1000;
    orbitAdvance(g());
    orbitAdvanceStepwise(*plain);
  }
  for (int k = 0; k <= 144; ++k) {
    const TPlanet &fast = g().solar.bodies[k], &slow = plain->solar.bodies[k];
    EXPECT_LT(apart(fast.position, slow.position), 1e-9L * apart(slow.position, {})) << k;
    EXPECT_LT(apart(fast.velocity, slow.velocity), 1e-9L * apart(slow.velocity, {})) << k;
    EXPECT_EQ(fast.spinAngle, slow.spinAngle) << k;
  }
}

TEST_F(Orbits, SpinOfExactly360BecomesZeroAndNegativeIsKept) {
  TPlanet& b = g().solar.bodies[5];
  b.rotationPeriod = 0.25f, b.spinAngle = 359.0f;  // one degree a tick
  spinBody(g(), 5);
  EXPECT_EQ(b.spinAngle, 0.0f);
  b.rotationPeriod = -0.25f;
  spinBody(g(), 5);
  EXPECT_EQ(b.spinAngle, -1.0f);
  g().lastBody = -1;  // nothing moves, nothing turns
  solarTick(g());
  EXPECT_EQ(b.spinAngle, -1.0f);
}

TEST_F(Orbits, ZoomStopsOnTheFirstTickThatFindsTheScaleThere) {
  g().lastBody = -1, g().zoomAnimation = true;
  for (int tick = 0; tick < 1542; ++tick) solarTick(g());
  EXPECT_TRUE(g().zoomAnimation);
  const double reached = g().solarScale;
  EXPECT_GE(reached, 1e-07);
  solarTick(g());
  EXPECT_EQ(std::make_pair(g().zoomAnimation, g().solarScale), std::make_pair(false, reached));
}

}  // namespace
}  // namespace vorlund::testing

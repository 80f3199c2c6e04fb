#include "solar/orbits.h"

#include <cmath>

#include "solar/body_table.h"
#include "solar_fixture.h"

namespace vorlund::testing {
namespace {

using OrbitsTest = SolarTest;

long double distance(const PlanetVec& a, const PlanetVec& b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                   (a.z - b.z) * (a.z - b.z));
}
long double length(const PlanetVec& a) {
  return distance(a, PlanetVec{});
}

TEST_F(OrbitsTest, TheFirstTickCarriesJupiterAlongItsStartVelocity) {
  rebuildSolarSystem(g());
  const PlanetVec before = g().solar.bodies[1].position;
  solarTick(g());
  const PlanetVec after = g().solar.bodies[1].position;
  EXPECT_NEAR(static_cast<double>(after.y - before.y), 144 * 32658.65, 144 * 0.01);
  // Slightly bent towards the sun, which lies towards -x and +z from Jupiter.
  EXPECT_LT(after.x - before.x, 0.0L);
  EXPECT_GT(after.x - before.x, -1e4L);
  EXPECT_GT(after.z - before.z, 0.0L);
  EXPECT_LT(after.z - before.z, 1e3L);
}

TEST_F(OrbitsTest, OneGravityStepFollowsThePlainFormula) {
  g().lastBody = 1;
  g().secondsPerTick = 2.0L;
  TPlanet& body = g().solar.bodies[0];
  TPlanet& attractor = g().solar.bodies[1];
  attractor.mass = 5e20f;
  attractor.gravityRadius = 3e9f;
  body.velocity = {1.0L, 0.0L, -1.0L};
  body.position = {7.0L, 0.0L, 0.0L};
  g().solar.snapshots[0] = {0.0L, 0.0L, 0.0L};
  g().solar.snapshots[1] = {3e9L, 4e9L, 0.0L};

  gravityStep(g(), 0, 1);
  // s = 25e18 - 9e18; a = mass * G * 2^2 / 1 / s along (0.6, 0.8, 0).
  const long double a = (1.0L / 16e18L) * attractor.mass * 6.672e-11L * 4.0L;
  EXPECT_NEAR(static_cast<double>(body.velocity.x), static_cast<double>(1 + a * 0.6L), 1e-24);
  EXPECT_NEAR(static_cast<double>(body.velocity.y), static_cast<double>(a * 0.8L), 1e-24);
  EXPECT_EQ(body.velocity.z, -1.0L);
  EXPECT_EQ(body.position.x, 7.0L + body.velocity.x);
  EXPECT_EQ(body.position.y, body.velocity.y);
  EXPECT_EQ(body.position.z, -1.0L);
  // The attractor is not touched.
  EXPECT_EQ(attractor.velocity.x, 0.0L);
}

TEST_F(OrbitsTest, EachBodyIsSnapshottedJustBeforeItsOwnUpdate) {
  rebuildSolarSystem(g());
  std::array<PlanetVec, kBodyCount> before{};
  for (int k = 0; k <= 144; ++k) before[k] = g().solar.bodies[k].position;
  orbitAdvance(g());
  for (int k = 0; k <= 144; ++k) {
    EXPECT_EQ(g().solar.snapshots[k].x, before[k].x) << "body " << k;
    EXPECT_EQ(g().solar.snapshots[k].y, before[k].y) << "body " << k;
    EXPECT_NE(g().solar.bodies[k].position.x, before[k].x) << "body " << k;
  }
}

// The shipped advance works the pair terms in doubles; after 1000 ticks
// every body must still be where the plain extended form puts it.
TEST_F(OrbitsTest, TheFastAdvanceKeepsToThePlainFormOverAThousandTicks) {
  rebuildSolarSystem(g());
  auto plain = freshGame();
  rebuildSolarSystem(*plain);
  for (int tick = 0; tick < 1000; ++tick) {
    orbitAdvance(g());
    orbitAdvanceStepwise(*plain);
  }
  long double worst = 0.0L;
  for (int k = 0; k <= 144; ++k) {
    const TPlanet& fast = g().solar.bodies[k];
    const TPlanet& slow = plain->solar.bodies[k];
    const long double drift = distance(fast.position, slow.position) / length(slow.position);
    worst = std::max(worst, drift);
    EXPECT_LT(drift, 1e-9L) << "body " << k;
    EXPECT_LT(distance(fast.velocity, slow.velocity), 1e-9L * length(slow.velocity))
        << "body " << k;
    EXPECT_EQ(fast.spinAngle, slow.spinAngle) << "body " << k;
  }
  RecordProperty("worst_relative_drift", std::to_string(static_cast<double>(worst)));
}

TEST_F(OrbitsTest, LastBodyIndexBoundsTheAdvanceToTheTable) {
  rebuildSolarSystem(g());
  auto plain = freshGame();
  rebuildSolarSystem(*plain);
  g().lastBody = 1000;
  plain->lastBody = 1000;
  orbitAdvance(g());
  orbitAdvanceStepwise(*plain);
  for (int k = 0; k <= 144; ++k)
    EXPECT_NEAR(static_cast<double>(g().solar.bodies[k].position.x),
                static_cast<double>(plain->solar.bodies[k].position.x), 1e-3)
        << "body " << k;

  // A negative index moves nothing at all.
  g().lastBody = -1;
  const PlanetVec before = g().solar.bodies[7].position;
  const float spin = g().solar.bodies[7].spinAngle;
  orbitAdvance(g());
  orbitAdvanceStepwise(g());
  EXPECT_EQ(g().solar.bodies[7].position.x, before.x);
  EXPECT_EQ(g().solar.bodies[7].spinAngle, spin);
}

TEST_F(OrbitsTest, SpinTurnsByItsShareOfTheRotationAndWrapsOnce) {
  rebuildSolarSystem(g());
  TPlanet& b = g().solar.bodies[5];
  // A quarter-day rotation turns one degree a tick.
  b.rotationPeriod = 0.25f;
  b.spinAngle = 359.0f;
  spinBody(g(), 5);
  EXPECT_EQ(b.spinAngle, 0.0f);

  b.spinAngle = 359.5f;
  spinBody(g(), 5);
  EXPECT_EQ(b.spinAngle, 0.5f);

  // Turning backwards is never wrapped.
  b.rotationPeriod = -0.25f;
  b.spinAngle = 0.5f;
  spinBody(g(), 5);
  spinBody(g(), 5);
  EXPECT_EQ(b.spinAngle, -1.5f);

  // Terra's 24 turns 1/96 of a degree each tick, stored as a single.
  b.rotationPeriod = 24.0f;
  b.spinAngle = 10.0f;
  spinBody(g(), 5);
  EXPECT_EQ(b.spinAngle, static_cast<float>(10.0 + 360.0 / 24.0 / kTimeScaleDivisor / 1440.0));
}

TEST_F(OrbitsTest, TheZoomStopsOnTheFirstTickThatFindsTheScaleThere) {
  g().lastBody = -1;  // the zoom alone
  g().solarScale = 4.6e-09;
  g().zoomAnimation = true;
  for (int tick = 0; tick < 1542; ++tick) {
    ASSERT_TRUE(g().zoomAnimation) << "tick " << tick;
    solarTick(g());
  }
  EXPECT_TRUE(g().zoomAnimation);
  EXPECT_GE(g().solarScale, 1e-07);
  const double reached = g().solarScale;
  solarTick(g());
  EXPECT_FALSE(g().zoomAnimation);
  EXPECT_EQ(g().solarScale, reached);
  solarTick(g());
  EXPECT_EQ(g().solarScale, reached);
}

}  // namespace
}  // namespace vorlund::testing

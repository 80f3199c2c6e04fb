#include <cmath>

#include "solar_fixture.h"

namespace vorlund::testing {
namespace {

using BodyTable = SolarTest;

TEST_F(BodyTable, SunIsBuiltAtRestAtTheOriginWhateverTheTableHolds) {
  for (TPlanet& b : g().solar.bodies) b.velocity = b.position = {4e12L, -5.0L, 6e-3L};
  buildBody(g(), 0);
  const TPlanet& sun = g().solar.bodies[0];
  EXPECT_EQ(std::make_tuple(sun.velocity.x, sun.velocity.y, sun.velocity.z, sun.position.x,
                            sun.position.y, sun.position.z, sun.period + sun.circumference,
                            sun.gravityRadius),
            std::make_tuple(0.0L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0f, 2 * 6.95e8f));
}

// The clamp from above, before any period, is read from a planet file.
TEST_F(BodyTable, TicksPerDayAreClampedFromBelow) {
  g().ticksPerDay = 0.5L;
  clampTicksPerDay(g());
  EXPECT_EQ(g().secondsPerTick, 172800.0L);
}

TEST_F(BodyTable, PlacementOverridesTheFarSideTritonIsBuiltOn) {
  rebuildSolarSystem(g());
  const TPlanet &neptune = g().solar.bodies[3], &triton = g().solar.bodies[15];
  buildBody(g(), 15);
  EXPECT_EQ(std::make_pair(triton.position.x, triton.position.z),
            std::make_pair(neptune.position.x - 3.548e8f, neptune.position.z));
  placeBody(g(), 15);  // start angle 0: a quarter turn on, at +x
  EXPECT_NEAR(static_cast<double>(triton.position.x - neptune.position.x), 3.548e8, 1e-3);
  EXPECT_NEAR(static_cast<double>(triton.position.z - neptune.position.z), 0.0, 1e-3);
  EXPECT_EQ(triton.position.y, neptune.position.y);
}

// Every parent is built before its children; gravity radii follow the factors
// of the table; the nameless bodies 124..144 follow their one rule.
TEST_F(BodyTable, RowsKeepTheirRules) {
  rebuildSolarSystem(g());
  setBodyLabels(g());
  for (int k = 0; k <= 144; ++k) {
    const TPlanet& b = g().solar.bodies[k];
    EXPECT_TRUE(k == 0 ? b.parent == 0 : b.parent < k) << k;
    const bool thin = (k >= 16 && k <= 21) || k == 27 || (k >= 100 && k <= 123);
    const long double factor = k == 0 ? 2 : k == 1 ? 0.01L : thin ? 0.0825L : 0;
    EXPECT_EQ(b.gravityRadius, static_cast<float>(b.radius * factor)) << k;
    EXPECT_EQ(b.name.empty(), k >= 124) << k;
  }
  for (int k : {124, 144}) {
    const TPlanet& b = g().solar.bodies[k];
    EXPECT_EQ(std::make_pair(b.radius, b.startAngle), std::make_pair(53000.0f, 6.738f));
    EXPECT_FLOAT_EQ(b.orbitRadius, k * 3959855637.19077f);
    EXPECT_FLOAT_EQ(b.mass, 1.033e17f / k);
  }
  EXPECT_EQ(g().solar.labels[3] + g().solar.labels[11], "F4F12");
  // Elara's negative period sends it round Jupiter the other way.
  EXPECT_LT(g().solar.bodies[80].velocity.y, g().solar.bodies[1].velocity.y);
}

// Catches a mistyped mass, radius or period: every named body starts close to
// the speed of a circular orbit round its parent, except Eris (set out at its
// far distance with its mean period) and Charon (sent round the light EL61).
TEST_F(BodyTable, EveryBodyStartsNearACircularOrbitRoundItsParent) {
  rebuildSolarSystem(g());
  for (int k = 1; k <= 123; ++k) {
    if (k == 16 || k == 25) continue;
    const TPlanet& b = g().solar.bodies[k];
    const TPlanet& parent = g().solar.bodies[b.parent];
    const long double speed = std::fabs(b.circumference / (builtInRow(k).periodDays * 86400));
    const long double ratio =
        speed / std::sqrt(6.672e-11L * (parent.mass + b.mass) / b.orbitRadius);
    EXPECT_TRUE(ratio > 0.8L && ratio < 1.2L) << b.name << " (" << k << ")";
  }
}

}  // namespace
}  // namespace vorlund::testing

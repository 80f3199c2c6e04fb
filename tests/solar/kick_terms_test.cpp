#include "solar/kick_terms.h"

#include <cmath>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "solar_fixture.h"
#include "state/solar_state.h"

namespace vorlund::testing {
namespace {

// The scratch of a solar system as built, with two small bodies set a
// kilometre apart far beyond Eris: their separation lives only in the
// remainders of the snapshots.
class KickTerms : public SolarTest {
 protected:
  void SetUp() override {
    rebuildSolarSystem(g());
    g().solar.bodies[140].position = {1.4e13L, -2.5e12L, 3.0e11L};
    g().solar.bodies[141].position = {1.4e13L + 999.9993L, -2.5e12L + 0.0017L, 3.0e11L - 0.25L};
    for (int j = 0; j < kBodyCount; ++j) {
      const TPlanet& b = g().solar.bodies[j];
      at_[j] = b.position;
      split(j, b.position);
      s_.pull[j] = 1e10 + 37.0 * j;
      s_.reach2[j] = static_cast<double>(b.gravityRadius) * b.gravityRadius;
    }
  }

  void split(int j, const PlanetVec& p) {
    s_.hiX[j] = double(p.x), s_.hiY[j] = double(p.y), s_.hiZ[j] = double(p.z);
    s_.loX[j] = double(p.x - s_.hiX[j]), s_.loY[j] = double(p.y - s_.hiY[j]);
    s_.loZ[j] = double(p.z - s_.hiZ[j]);
  }

  // Every kick of every pair, body k's attractors taken in the two runs the
  // advance uses, so that every run length from 0 to 144 is worked.
  std::vector<double> allKicks() {
    std::vector<double> kicks;
    for (int k = 0; k < kBodyCount; ++k) {
      s_.kickX.fill(0.0), s_.kickY.fill(0.0), s_.kickZ.fill(0.0);
      kickTerms(s_, k, 0, k);
      kickTerms(s_, k, k + 1, kBodyCount);
      for (int j = 0; j < kBodyCount; ++j)
        kicks.insert(kicks.end(), {s_.kickX[j], s_.kickY[j], s_.kickZ[j]});
    }
    return kicks;
  }

  // The same kick in extended precision, from the unsplit positions.
  PlanetVec plainKick(int k, int j) const {
    const long double dx = at_[j].x - at_[k].x, dy = at_[j].y - at_[k].y, dz = at_[j].z - at_[k].z;
    const long double r2 = dx * dx + dy * dy + dz * dz;
    const long double f = s_.pull[j] / ((r2 - s_.reach2[j]) * std::sqrt(r2));
    return {f * dx, f * dy, f * dz};
  }

  GravityScratch s_;
  std::array<PlanetVec, kBodyCount> at_;
};

// The kick is the one part of the advance that differs by instruction set:
// the same bits here are the same planets on every processor. Each target
// runs when forced, and the best one otherwise.
TEST_F(KickTerms, EveryTargetGivesThePlainKickAndTheSameBits) {
  const std::vector<std::int64_t> targets = kickTargets();
  ASSERT_FALSE(targets.empty());
  std::string names;
  for (const std::int64_t target : targets) names += std::string(" ") + kickTargetName(target);
  std::cout << "gravity kernel targets on this processor:" << names << "\n";
  EXPECT_EQ(kickTargetInUse(), targets.front());
  std::vector<double> best;
  for (const std::int64_t target : targets) {
    OnKickTarget on(target);
    ASSERT_EQ(kickTargetInUse(), target) << kickTargetName(target);
    const std::vector<double> kicks = allKicks();
    long double worst = 0.0L;
    for (int k = 0; k < kBodyCount; ++k) {
      for (int j = 0; j < kBodyCount; ++j) {
        if (j == k) continue;
        const double* kick = &kicks[3 * (k * kBodyCount + j)];
        const PlanetVec plain = plainKick(k, j);
        const long double off = std::hypot(kick[0] - plain.x, kick[1] - plain.y, kick[2] - plain.z);
        worst = std::max(worst, off / std::hypot(plain.x, plain.y, plain.z));
      }
    }
    // A few roundings of a double: the remainders are not lost, nothing is fused.
    EXPECT_LT(worst, 1e-14L) << kickTargetName(target);
    if (best.empty()) best = kicks;
    EXPECT_EQ(std::memcmp(kicks.data(), best.data(), kicks.size() * sizeof(double)), 0)
        << kickTargetName(target) << " gives other bits than " << kickTargetName(targets[0]);
  }
  EXPECT_EQ(kickTargetInUse(), targets.front());
}

}  // namespace
}  // namespace vorlund::testing

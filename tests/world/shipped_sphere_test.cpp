// The sphere the game ships with, as the generator leaves it in the game
// folder, and the tables the game makes of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <set>

#include "world/world_load.h"
#include "world_test_support.h"

namespace vorlund {
namespace {

class ShippedSphere : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    game = std::make_unique<test::TestGame>();
    test::installWorld(game->dir);
    loaded = loadWorld(game->g());
    setupTables(game->g());
  }
  static const WorldState& w() { return game->g().world; }
  static std::array<int, 3> corners(int t) {
    return {cornerCell(w(), 3 * t - 2), cornerCell(w(), 3 * t - 1), cornerCell(w(), 3 * t)};
  }
  static inline std::unique_ptr<test::TestGame> game;
  static inline bool loaded = false;
};

// The strip covers the sphere's 2 x 1461 - 4 triangles, each wound to face
// outwards for the light; the nearest-cell search with its pruning finds
// exactly the strip's edges, twelve pentagons among them. The cells are
// distinct points of the unit sphere, so that corner matching is never in
// doubt; every ring fits its file whole and lies on the great circle a
// quarter turn away. (The files' sizes are in every recorded game's end, and
// a strip that broke would be told on every scenario's standard error.)
TEST_F(ShippedSphere, StripAndTablesDescribeOneClosedSphere) {
  ASSERT_TRUE(loaded);
  std::set<std::array<int, 3>> distinct;
  std::vector<std::set<int>> edges(kSphereCellCount + 1);
  for (int t = 1; t <= triangleCount(w()); ++t) {
    std::array<int, 3> c = corners(t);
    ASSERT_TRUE(c[0] != 0 && c[1] != 0 && c[2] != 0) << "triangle " << t;
    const Vec3& a = cellPosition(w(), c[0]);
    const Vec3 u = difference(a, cellPosition(w(), c[1]));
    const Vec3 v = difference(a, cellPosition(w(), c[2]));
    EXPECT_GT((u.y * v.z - u.z * v.y) * a.x + (u.z * v.x - u.x * v.z) * a.y +
                  (u.x * v.y - u.y * v.x) * a.z,
              0)
        << "triangle " << t;
    for (int k = 0; k < 3; ++k) edges[std::size_t(c[k])].insert(c[(k + 1) % 3]);
    std::sort(c.begin(), c.end());
    distinct.insert(c);
  }
  EXPECT_EQ(distinct.size(), std::size_t(2 * kSphereCellCount - 4));
  int pentagons = 0;
  std::set<std::array<long double, 3>> seen;
  for (int c = 1; c <= kSphereCellCount; ++c) {
    const Vec3& p = cellPosition(w(), c);
    ASSERT_NEAR(static_cast<double>(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z)), 1, 1e-12) << c;
    seen.insert({p.x, p.y, p.z});
    std::set<int> listed;
    for (int k = 1; k <= neighbourCount(w(), c); ++k) listed.insert(neighbourSlot(w(), c, k));
    ASSERT_EQ(listed, edges[std::size_t(c)]) << "cell " << c;
    pentagons += listed.size() == 5 ? 1 : 0;
    ASSERT_TRUE(ringCount(w(), c) >= 1 && ringCount(w(), c) <= kRingFileEntries) << c;
    for (int k = 1; k <= ringCount(w(), c); ++k) {
      const Vec3& q = cellPosition(w(), ringEntry(w(), c, k));
      ASSERT_LT(std::fabs(static_cast<double>(p.x * q.x + p.y * q.y + p.z * q.z)), 0.1) << c;
    }
  }
  EXPECT_EQ(std::make_pair(pentagons, seen.size()),
            std::make_pair(12, std::size_t(kSphereCellCount)));
}

}  // namespace
}  // namespace vorlund

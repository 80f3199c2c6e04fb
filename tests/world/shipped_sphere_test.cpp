// The sphere the game ships with, as the generator leaves it in the game folder.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <iostream>

#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/world_load.h"
#include "world_test_support.h"

namespace vorlund {
namespace {

const std::filesystem::path kShipped = VORLUND_GAME_DIR;

// The shipped mesh in a folder of its own, without the game folder's cached
// tables, so both tables are computed.
struct ShippedGame : test::TestGame {
  bool present = false;
  ShippedGame() {
    for (const char* name : {"aorb1.orb", "atri1.tri"}) {
      if (!std::filesystem::exists(kShipped / name)) return;
      std::filesystem::copy_file(kShipped / name, dir.path() / name);
    }
    present = true;
  }
};

#define SKIP_WITHOUT_SPHERE(game) \
  if (!(game).present) GTEST_SKIP() << "no sphere in " << kShipped

int graphDistance(const WorldState& w, int from, int to) {
  std::vector<int> steps(kSphereCellCount + 1, -1);
  std::deque<int> queue{from};
  steps[static_cast<std::size_t>(from)] = 0;
  while (!queue.empty()) {
    const int c = queue.front();
    queue.pop_front();
    if (c == to) return steps[static_cast<std::size_t>(c)];
    for (int k = 1; k <= neighbourCount(w, c); ++k) {
      const int n = neighbourSlot(w, c, k);
      if (isCell(n) && steps[static_cast<std::size_t>(n)] < 0) {
        steps[static_cast<std::size_t>(n)] = steps[static_cast<std::size_t>(c)] + 1;
        queue.push_back(n);
      }
    }
  }
  return -1;
}

bool lists(const WorldState& w, int c, int n) {
  for (int k = 1; k <= neighbourCount(w, c); ++k) {
    if (neighbourSlot(w, c, k) == n) return true;
  }
  return false;
}

TEST(ShippedSphere, MeshIsWholeAndItsStripUnbroken) {
  ShippedGame game;
  SKIP_WITHOUT_SPHERE(game);
  ASSERT_TRUE(loadWorld(game.g()));
  const WorldState& w = game.g().world;
  for (int c = 1; c <= kSphereCellCount; ++c) {
    const Vec3& p = cellPosition(w, c);
    ASSERT_NEAR(static_cast<double>(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z)), 1.0, 1e-9) << c;
  }
  ASSERT_GT(w.pointCount, 0);
  EXPECT_EQ(w.pointCount % 3, 0);
  for (int k = 1; k <= w.pointCount; ++k) ASSERT_NE(cornerCell(w, k), 0) << "point " << k;
  EXPECT_EQ(game.platform->beeps, 0);
  EXPECT_TRUE(game.platform->errors.empty());
}

TEST(ShippedSphere, TablesComputedFitTheFilesAndTheArena) {
  ShippedGame game;
  SKIP_WITHOUT_SPHERE(game);
  ASSERT_TRUE(loadWorld(game.g()));
  setupTables(game.g());
  const WorldState& w = game.g().world;
  int pentagons = 0;
  int oneSided = 0;
  for (int c = 1; c <= kSphereCellCount; ++c) {
    ASSERT_GE(neighbourCount(w, c), 5) << c;
    ASSERT_LE(neighbourCount(w, c), 6) << c;
    pentagons += neighbourCount(w, c) == 5 ? 1 : 0;
    bool symmetric = true;
    for (int k = 1; k <= neighbourCount(w, c); ++k) {
      symmetric = symmetric && lists(w, neighbourSlot(w, c, k), c);
    }
    oneSided += symmetric ? 0 : 1;
    // Every ring fits the file whole, and lies on the circle a quarter turn away.
    ASSERT_GE(ringCount(w, c), 1) << c;
    ASSERT_LE(ringCount(w, c), kRingFileEntries) << c;
    const Vec3& p = cellPosition(w, c);
    for (int k = 1; k <= ringCount(w, c); ++k) {
      const Vec3& q = cellPosition(w, ringEntry(w, c, k));
      ASSERT_LT(std::fabs(static_cast<double>(p.x * q.x + p.y * q.y + p.z * q.z)), 0.1) << c;
    }
  }
  const int steps = graphDistance(w, 196, 577);
  EXPECT_GE(steps, 10);
  EXPECT_LE(steps, 14);
  // A sphere of hexagons closes with exactly twelve pentagons; the pruning must find them.
  EXPECT_EQ(pentagons, 12);
  std::cout << "shipped sphere: " << pentagons << " cells with five neighbours, " << oneSided
            << " rows not symmetric, " << steps << " steps from 196 to 577, mean edge "
            << meanEdgeLength(w) << "\n";
  RecordProperty("asymmetric_rows", oneSided);
  RecordProperty("pentagons", pentagons);
}

}  // namespace
}  // namespace vorlund

// The tables are built from a matrix of distances measured once. These tests
// follow the rules cell by cell with the distance operation itself and
// compare, so the shortcut can never drift from the rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "world/cell_distances.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/world_load.h"
#include "world_test_support.h"

namespace vorlund {
namespace {

constexpr int kEveryNth = 7;

struct LoadedSpiral : worldtest::SpiralGame {
  LoadedSpiral() { EXPECT_TRUE(loadWorld(g())); }
};

std::vector<std::int32_t> literalRing(WorldState& w, std::int32_t i) {
  const long double half = static_cast<long double>(meanEdgeLength(w)) / 2;
  const Vec3& a = cellPosition(w, antipodeSearch(w, cellPosition(w, i)));
  RingRow& row = *ringRow(w, i);
  row = RingRow{};
  for (std::int32_t j = 1; j <= kSphereCellCount; ++j) {
    if (j == i) continue;
    const long double diff =
        static_cast<long double>(distance(cellPosition(w, i), cellPosition(w, j))) -
        static_cast<long double>(distance(a, cellPosition(w, j)));
    if (-half < diff && diff < half) row.entry[static_cast<std::size_t>(++row.count)] = j;
  }
  orderRingRow(w, i);
  return {row.entry.begin(), row.entry.begin() + 1 + row.count};
}

std::vector<std::int32_t> literalNeighbours(WorldState& w, std::int32_t i) {
  std::vector<std::int32_t> found;
  for (int pass = 1; pass <= 6; ++pass) {
    float best = 1000.0f;
    std::int32_t taken = 0;
    for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
      if (c == i || std::find(found.begin(), found.end(), c) != found.end()) continue;
      const float d = distance(cellPosition(w, i), cellPosition(w, c));
      if (d < best) {
        best = d;
        taken = c;
      }
    }
    found.push_back(taken);
  }
  NeighbourRow& row = *neighbourRow(w, i);
  row = NeighbourRow{};
  std::copy(found.begin(), found.end(), row.slot.begin() + 1);
  row.count = 6;
  orderNeighbourRow(w, i);
  return {row.slot.begin() + 1, row.slot.begin() + 7};
}

TEST(LiteralRules, RingTableFollowsTheRuleCellByCell) {
  LoadedSpiral game;
  WorldState& w = game.g().world;
  computeRingTable(w, CellDistances(w));
  for (std::int32_t i = 1; i <= kSphereCellCount; i += kEveryNth) {
    const RingRow built = ringRowOf(w, i);
    const std::vector<std::int32_t> literal = literalRing(w, i);
    ASSERT_EQ(std::vector<std::int32_t>(built.entry.begin(), built.entry.begin() + 1 + built.count),
              literal)
        << "cell " << i;
  }
}

TEST(LiteralRules, NeighbourSearchFollowsTheRuleCellByCell) {
  LoadedSpiral game;
  WorldState& w = game.g().world;
  searchNeighbours(w, CellDistances(w));
  for (std::int32_t i = 1; i <= kSphereCellCount; i += kEveryNth) {
    const NeighbourRow built = neighbourRowOf(w, i);
    ASSERT_EQ(std::vector<std::int32_t>(built.slot.begin() + 1, built.slot.begin() + 7),
              literalNeighbours(w, i))
        << "cell " << i;
  }
}

}  // namespace
}  // namespace vorlund

#include "world/mesh.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "state/world_state.h"

namespace vorlund {

namespace {

Vec3 roundedToSingles(const Vec3& p) {
  return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
}

bool hasNaN(const Vec3& p) {
  return std::isnan(p.x) || std::isnan(p.y) || std::isnan(p.z);
}

bool coordinatesBefore(const Vec3& a, const Vec3& b) {
  if (a.x != b.x) return a.x < b.x;
  if (a.y != b.y) return a.y < b.y;
  return a.z < b.z;
}

struct IndexedCell {
  Vec3 position;
  std::int32_t cell;
};

}  // namespace

void CopyDusty(WorldState& w) {
  w.cellsCopy = w.cells;
  w.meshCopied = true;
}

void computeTriangleCentres(WorldState& w) {
  constexpr long double kThird = 1.0L / 3.0L;
  for (std::int32_t t = 1; t <= triangleCount(w); ++t) {
    const Vec3 a = roundedToSingles(trianglePoint(w, 3 * t - 2));
    const Vec3 b = roundedToSingles(trianglePoint(w, 3 * t - 1));
    const Vec3 c = roundedToSingles(trianglePoint(w, 3 * t));
    w.centres[static_cast<std::size_t>(t)] = {
        (a.x + b.x + c.x) * kThird, (a.y + b.y + c.y) * kThird, (a.z + b.z + c.z) * kThird};
  }
}

// Scanning all 1461 cells for each of the ~9000 points is what the matching
// means; a sorted index gives the same answer (the greatest cell number among
// the exact matches) in a fraction of the time. Sorting compares values, so
// -0 and +0 fall together just as they compare equal, and a NaN, which equals
// nothing, is kept out of the index.
void AssignTriang(WorldState& w) {
  if (!w.meshCopied) return;
  if (w.pointCount >= 1) {
    std::vector<IndexedCell> index;
    index.reserve(kSphereCellCount);
    for (std::int32_t c = 1; c < static_cast<std::int32_t>(w.cellsCopy.size()); ++c) {
      const Vec3& p = w.cellsCopy[static_cast<std::size_t>(c)];
      if (!hasNaN(p)) index.push_back({p, c});
    }
    const auto before = [](const IndexedCell& a, const IndexedCell& b) {
      return coordinatesBefore(a.position, b.position);
    };
    std::stable_sort(index.begin(), index.end(), before);
    for (std::int32_t k = 1; k <= w.pointCount; ++k) {
      const IndexedCell point{trianglePoint(w, k), 0};
      if (hasNaN(point.position)) continue;
      const auto match = std::upper_bound(index.begin(), index.end(), point, before);
      // Equal positions keep cell order in the stable sort: the last is the highest.
      if (match != index.begin() && !before(*(match - 1), point)) {
        w.cornerCells[static_cast<std::size_t>(k)] = (match - 1)->cell;
      }
    }
  }
  w.trianglesAssigned = true;
}

}  // namespace vorlund

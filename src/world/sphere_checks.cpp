#include "world/sphere_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>

namespace vorlund {

namespace {

std::string cellName(std::int32_t c) {
  return "cell " + std::to_string(c);
}

bool lists(const NeighbourRow& row, std::int32_t cell) {
  for (int k = 1; k <= row.count; ++k)
    if (row.slot[static_cast<std::size_t>(k)] == cell) return true;
  return false;
}

// The first pair of cells nearer than kMinCellSeparation, found by a sweep
// along x so that only cells that close in x are compared.
std::array<std::int32_t, 2> cellsAtOnePlace(const WorldState& w) {
  std::array<std::int32_t, kSphereCellCount> order{};
  std::iota(order.begin(), order.end(), 1);
  const auto at = [&w](std::int32_t c) -> const Vec3& { return cellPosition(w, c); };
  std::sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
    return at(a).x < at(b).x || (at(a).x == at(b).x && a < b);
  });
  constexpr long double kMin2 = kMinCellSeparation * kMinCellSeparation;
  for (std::size_t i = 0; i < order.size(); ++i) {
    for (std::size_t j = i + 1; j < order.size(); ++j) {
      const Vec3& a = at(order[i]);
      const Vec3& b = at(order[j]);
      if (b.x - a.x >= kMinCellSeparation) break;
      const long double dy = b.y - a.y;
      const long double dz = b.z - a.z;
      const long double dx = b.x - a.x;
      if (dx * dx + dy * dy + dz * dz < kMin2)
        return {std::min(order[i], order[j]), std::max(order[i], order[j])};
    }
  }
  return {0, 0};
}

// A count the row has room for, and slots that hold cells or nothing.
std::string rowShapeFault(const NeighbourRow& row, std::int32_t c) {
  if (row.count < kFewestNeighbours || row.count > kNeighbourLimit)
    return cellName(c) + " has a neighbour count of " + std::to_string(row.count);
  for (int k = 1; k <= kNeighbourSlots; ++k) {
    const std::int32_t n = row.slot[static_cast<std::size_t>(k)];
    if (n != 0 && !isCell(n)) return cellName(c) + " lists " + std::to_string(n);
  }
  return {};
}

// Other cells, each once, each near, each listing this one back.
std::string rowMeaningFault(const WorldState& w, const std::vector<NeighbourRow>& rows,
                            std::int32_t c) {
  const NeighbourRow& row = rows[static_cast<std::size_t>(c)];
  const std::string cell = cellName(c);
  for (int k = 1; k <= row.count; ++k) {
    const std::int32_t n = row.slot[static_cast<std::size_t>(k)];
    const std::string other = std::to_string(n);
    if (n == 0) return cell + " has an empty slot " + std::to_string(k);
    if (n == c) return cell + " lists itself";
    for (int j = 1; j < k; ++j)
      if (row.slot[static_cast<std::size_t>(j)] == n) return cell + " lists " + other + " twice";
    if (!(distance(cellPosition(w, c), cellPosition(w, n)) <= kNeighbourReach))
      return cell + " lists " + other + ", which is not near it";
    if (!lists(rows[static_cast<std::size_t>(n)], c))
      return cell + " lists " + other + ", which does not list it";
  }
  return {};
}

}  // namespace

std::optional<Failure> cellsFault(const WorldState& w) {
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
    const Vec3& p = cellPosition(w, c);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
      return Failure::logged(cellName(c) + " is not a point");
    const long double r = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
    if (!(std::fabs(r - 1.0L) <= kSphereRadiusTolerance))
      return Failure::logged(cellName(c) + " lies off the unit sphere");
  }
  if (const auto pair = cellsAtOnePlace(w); pair[0] != 0)
    return Failure::logged("cells " + std::to_string(pair[0]) + " and " +
                           std::to_string(pair[1]) + " lie at one place");
  return std::nullopt;
}

std::optional<Failure> neighbourRowsFault(const WorldState& w,
                                          const std::vector<NeighbourRow>& rows) {
  if (rows.size() != kSphereCellCount + 1) return Failure::logged("no neighbour table to check");
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c)
    if (std::string fault = rowShapeFault(rows[static_cast<std::size_t>(c)], c); !fault.empty())
      return Failure::logged(std::move(fault));
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c)
    if (std::string fault = rowMeaningFault(w, rows, c); !fault.empty())
      return Failure::logged(std::move(fault));
  return std::nullopt;
}

}  // namespace vorlund

#include "world/neighbour_table.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "world/cell_distances.h"
#include "world/row_order.h"
#include "world/sphere_checks.h"

namespace vorlund {

namespace {

// The walk only reaches slots that are part of the row, and the sixth at most.
std::int32_t orderedLength(const NeighbourRow& row) {
  return std::clamp(row.count, 0, kNeighbourLimit);
}

// Six passes over the cells, each taking the nearest cell not yet taken
// (strictly nearer than the best so far, so the lowest of equally near cells).
std::array<std::int32_t, 7> sixNearest(std::int32_t i, const float* distanceTo,
                                       std::array<bool, kSphereCellCount + 1>& taken) {
  std::array<std::int32_t, 7> found{};
  taken[static_cast<std::size_t>(i)] = true;
  for (int pass = 1; pass <= kNeighbourLimit; ++pass) {
    float best = 1000.0f;
    std::int32_t nearest = 0;
    for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
      if (distanceTo[c] < best && !taken[static_cast<std::size_t>(c)]) {
        best = distanceTo[c];
        nearest = c;
      }
    }
    found[static_cast<std::size_t>(pass)] = nearest;
    taken[static_cast<std::size_t>(nearest)] = true;
  }
  taken[static_cast<std::size_t>(i)] = false;
  for (std::int32_t c : found) taken[static_cast<std::size_t>(c)] = false;
  return found;
}

// A cell's first six slots and the cell itself.
std::array<std::int32_t, 7> withOwnCell(const WorldState& w, std::int32_t c) {
  const NeighbourRow& row = neighbourRowOf(w, c);
  return {row.slot[1], row.slot[2], row.slot[3], row.slot[4], row.slot[5], row.slot[6], c};
}

int sharedPairs(const std::array<std::int32_t, 7>& s, const std::array<std::int32_t, 7>& r) {
  int pairs = 0;
  for (std::int32_t a : s) {
    for (std::int32_t b : r) pairs += a == b ? 1 : 0;
  }
  return pairs;
}

}  // namespace

void searchNeighbours(WorldState& w, const CellDistances& distances) {
  if (w.neighbours.empty()) return;
  std::array<bool, kSphereCellCount + 1> taken{};
  for (std::int32_t i = 1; i <= kSphereCellCount; ++i) {
    NeighbourRow& row = w.neighbours[static_cast<std::size_t>(i)];
    row = NeighbourRow{};
    const std::array<std::int32_t, 7> found = sixNearest(i, distances.row(i), taken);
    if (found[1] == 0) continue;
    std::copy(found.begin() + 1, found.end(), row.slot.begin() + 1);
    row.count = kNeighbourLimit;
    orderByWalk(row.slot.data(), orderedLength(row), distances);
  }
}

void pruneNeighbourRows(WorldState& w) {
  if (w.neighbours.empty()) return;
  for (std::int32_t i = 1; i <= kSphereCellCount; ++i) {
    const std::array<std::int32_t, 7> own = withOwnCell(w, i);
    NeighbourRow& row = w.neighbours[static_cast<std::size_t>(i)];
    int strike = 0;
    for (int k = 1; k <= kNeighbourLimit; ++k) {
      // Empty slots (0) pair up like cells: rows that have both lost their
      // sixth neighbour share that gap. Which rows are pruned depends on it,
      // and with them the moves of every fight.
      if (sharedPairs(own, withOwnCell(w, row.slot[static_cast<std::size_t>(k)])) < 4) strike = k;
    }
    if (strike == 0) continue;
    for (int k = strike; k <= kNeighbourLimit; ++k) {
      row.slot[static_cast<std::size_t>(k)] = row.slot[static_cast<std::size_t>(k) + 1];
    }
    --row.count;
  }
}

void computeNeighbourTable(WorldState& w, const CellDistances& distances) {
  searchNeighbours(w, distances);
  pruneNeighbourRows(w);
}

void orderNeighbourRow(WorldState& w, std::int32_t c) {
  NeighbourRow* row = neighbourRow(w, c);
  if (row == nullptr) return;
  orderByWalk(row->slot.data(), orderedLength(*row), [&w](std::int32_t a, std::int32_t b) {
    return distance(cellPosition(w, a), cellPosition(w, b));
  });
}

Bytes encodeNeighbourTable(const WorldState& w) {
  Bytes bytes;
  bytes.reserve(kNeighbourFileSize);
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
    const NeighbourRow& row = neighbourRowOf(w, c);
    appendInt32(bytes, row.count);
    for (int k = 1; k <= kNeighbourSlots; ++k) appendInt32(bytes, row.slot[k]);
  }
  return bytes;
}

std::optional<Failure> decodeNeighbourTable(WorldState& w, const Bytes& bytes) {
  if (bytes.size() != kNeighbourFileSize) {
    return Failure::logged((bytes.size() < kNeighbourFileSize ? "only " : "") +
                           std::to_string(bytes.size()) + " of " +
                           std::to_string(kNeighbourFileSize) + " bytes");
  }
  if (w.neighbours.size() != kSphereCellCount + 1)
    return Failure::logged("no neighbour table to fill");
  std::vector<NeighbourRow> rows(kSphereCellCount + 1);
  for (std::size_t r = 1; r <= kSphereCellCount; ++r) {
    const unsigned char* record = bytes.data() + (r - 1) * kNeighbourRecordInts * 4;
    rows[r].count = readInt32(record);
    for (std::size_t k = 1; k <= kNeighbourSlots; ++k) rows[r].slot[k] = readInt32(record + 4 * k);
  }
  // A row that leads nowhere, or back to its own cell, stops every walk.
  if (std::optional<Failure> fault = neighbourRowsFault(w, rows)) return fault;
  w.neighbours = std::move(rows);
  return std::nullopt;
}

}  // namespace vorlund

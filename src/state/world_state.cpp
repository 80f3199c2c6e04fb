#include "state/world_state.h"

namespace vorlund {

namespace {

const Vec3 kOrigin{};
const TriangleTexture kNoTexture{};
const RingRow kEmptyRing{};
const NeighbourRow kEmptyNeighbours{};

// Index i of a table with an unused slot 0, or 0 when i is outside it.
template <class Table>
std::size_t within(const Table& table, std::int32_t i) {
  return i >= 1 && static_cast<std::size_t>(i) < table.size() ? static_cast<std::size_t>(i) : 0;
}

// Entry i of such a table, or `none` when i is outside it.
template <class T>
const T& entryOr(const std::vector<T>& table, std::int32_t i, const T& none) {
  const std::size_t k = within(table, i);
  return k != 0 ? table[k] : none;
}

}  // namespace

void allocateCellTables(WorldState& w) {
  w.cells.assign(kSphereCellCount + 1, Vec3{});
  w.cellsCopy.assign(kSphereCellCount + 1, Vec3{});
  w.ring.assign(kSphereCellCount + 1, RingRow{});
  w.neighbours.assign(kSphereCellCount + 1, NeighbourRow{});
  w.ringTableReady = false;
}

const Vec3& cellPosition(const WorldState& w, std::int32_t c) {
  return entryOr(w.cells, c, kOrigin);
}

const Vec3& trianglePoint(const WorldState& w, std::int32_t k) {
  return entryOr(w.points, k, kOrigin);
}

std::int32_t cornerCell(const WorldState& w, std::int32_t k) {
  static const std::int32_t kNoCell = 0;
  return entryOr(w.cornerCells, k, kNoCell);
}

const Vec3& triangleCentre(const WorldState& w, std::int32_t t) {
  return entryOr(w.centres, t, kOrigin);
}

const TriangleTexture& triangleTexture(const WorldState& w, std::int32_t t) {
  return entryOr(w.texture, t, kNoTexture);
}

const RingRow& ringRowOf(const WorldState& w, std::int32_t c) {
  return entryOr(w.ring, c, kEmptyRing);
}

const NeighbourRow& neighbourRowOf(const WorldState& w, std::int32_t c) {
  return entryOr(w.neighbours, c, kEmptyNeighbours);
}

std::int32_t ringCount(const WorldState& w, std::int32_t c) {
  return ringRowOf(w, c).count;
}

std::int32_t ringEntry(const WorldState& w, std::int32_t c, std::int32_t position) {
  const RingRow& row = ringRowOf(w, c);
  if (position < 1 || static_cast<std::size_t>(position) >= row.entry.size()) return 0;
  return row.entry[static_cast<std::size_t>(position)];
}

std::int32_t neighbourCount(const WorldState& w, std::int32_t c) {
  return neighbourRowOf(w, c).count;
}

std::int32_t neighbourSlot(const WorldState& w, std::int32_t c, std::int32_t slot) {
  if (slot < 1 || slot > kNeighbourSlots) return 0;
  return neighbourRowOf(w, c).slot[static_cast<std::size_t>(slot)];
}

RingRow* ringRow(WorldState& w, std::int32_t c) {
  const std::size_t i = within(w.ring, c);
  return i != 0 ? &w.ring[i] : nullptr;
}

NeighbourRow* neighbourRow(WorldState& w, std::int32_t c) {
  const std::size_t i = within(w.neighbours, c);
  return i != 0 ? &w.neighbours[i] : nullptr;
}

}  // namespace vorlund

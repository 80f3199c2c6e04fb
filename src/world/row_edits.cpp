#include "world/row_edits.h"

#include <algorithm>

#include "state/world_state.h"

namespace vorlund {

namespace {

// entry[1..count] of a row with room for `room` entries; limit caps additions.
struct RowView {
  std::int32_t& count;
  std::int32_t* entry;
  std::int32_t room;
};

std::int32_t liveLength(const RowView& row) {
  return std::clamp(row.count, 0, row.room);
}

void add(RowView row, std::int32_t limit, std::int32_t cell) {
  if (!isCell(cell) || row.count >= limit) return;
  const std::int32_t n = liveLength(row);
  if (std::find(row.entry + 1, row.entry + 1 + n, cell) != row.entry + 1 + n) return;
  row.entry[n + 1] = cell;
  row.count = n + 1;
}

void remove(RowView row, std::int32_t value) {
  const std::int32_t n = liveLength(row);
  std::int32_t k = n;
  while (k >= 1 && row.entry[k] != value) --k;
  if (k == 0) return;
  std::copy(row.entry + k + 1, row.entry + n + 1, row.entry + k);
  row.entry[n] = 0;
  row.count = n - 1;
}

void reverse(RowView row) {
  std::reverse(row.entry + 1, row.entry + 1 + liveLength(row));
}

// A ring row reads zeros up to its count, however far that reaches.
RowView view(RingRow& row) {
  const auto reach = static_cast<std::size_t>(std::clamp(row.count, 0, kSphereCellCount)) + 1;
  if (row.entry.size() < reach) row.entry.resize(reach);
  return {row.count, row.entry.data(), static_cast<std::int32_t>(row.entry.size()) - 1};
}
RowView view(NeighbourRow& row) {
  return {row.count, row.slot.data(), kNeighbourSlots};
}

}  // namespace

void addToRingRow(WorldState& w, std::int32_t c, std::int32_t cell) {
  if (RingRow* row = ringRow(w, c)) add(view(*row), kRingFileEntries, cell);
}

void addToNeighbourRow(WorldState& w, std::int32_t c, std::int32_t cell) {
  if (NeighbourRow* row = neighbourRow(w, c)) add(view(*row), kNeighbourLimit, cell);
}

void removeFromRingRow(WorldState& w, std::int32_t c, std::int32_t value) {
  if (RingRow* row = ringRow(w, c)) remove(view(*row), value);
}

void removeFromNeighbourRow(WorldState& w, std::int32_t c, std::int32_t value) {
  if (NeighbourRow* row = neighbourRow(w, c)) remove(view(*row), value);
}

void reverseRingRow(WorldState& w, std::int32_t c) {
  if (RingRow* row = ringRow(w, c)) reverse(view(*row));
}

void reverseNeighbourRow(WorldState& w, std::int32_t c) {
  if (NeighbourRow* row = neighbourRow(w, c)) reverse(view(*row));
}

void emptyNeighbourRow(WorldState& w, std::int32_t c) {
  NeighbourRow* row = neighbourRow(w, c);
  if (row == nullptr) return;
  row->count = 0;
  std::fill(row->slot.begin() + 1, row->slot.begin() + 1 + kNeighbourLimit, 0);
}

}  // namespace vorlund

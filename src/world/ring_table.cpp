#include "world/ring_table.h"

#include <algorithm>
#include <string>

#include "world/cell_distances.h"
#include "world/row_order.h"

namespace vorlund {

namespace {

void emptyRingRow(RingRow& row) {
  std::fill(row.entry.begin(), row.entry.end(), 0);
  row.count = 0;
}

void append(RingRow& row, std::int32_t cell) {
  const auto at = static_cast<std::size_t>(++row.count);
  if (at >= row.entry.size()) row.entry.resize(at + 1);
  row.entry[at] = cell;
}

// The walk only reaches entries that are part of the ring, and no further
// than the file can keep.
std::int32_t orderedLength(const RingRow& row) {
  return std::min(row.count, kRingFileEntries);
}

std::int32_t antipodeFromRow(const float* distanceTo) {
  float best = 1.0f;
  std::int32_t farthest = 0;
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
    if (distanceTo[c] > best) {
      best = distanceTo[c];
      farthest = c;
    }
  }
  return farthest;
}

}  // namespace

float meanEdgeLength(const WorldState& w) {
  float sum = 0.0f;
  const std::int32_t triangles = triangleCount(w);
  for (std::int32_t t = 1; t <= triangles; ++t) {
    const Vec3& p1 = trianglePoint(w, 3 * t - 2);
    const Vec3& p2 = trianglePoint(w, 3 * t - 1);
    const Vec3& p3 = trianglePoint(w, 3 * t);
    sum += distance(p1, p2);
    sum += distance(p2, p3);
    sum += distance(p3, p1);
  }
  return static_cast<float>(static_cast<long double>(sum) / (3.0L * triangles));
}

std::int32_t antipodeSearch(const WorldState& w, const Vec3& p) {
  float best = 1.0f;
  std::int32_t farthest = 0;
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
    const float d = distance(p, cellPosition(w, c));
    if (d > best) {
      best = d;
      farthest = c;
    }
  }
  return farthest;
}

void computeRingTable(WorldState& w, const CellDistances& distances) {
  if (w.ring.empty()) return;
  const long double halfBand = static_cast<long double>(meanEdgeLength(w)) / 2;
  for (std::int32_t i = 1; i <= kSphereCellCount; ++i) {
    RingRow& row = w.ring[static_cast<std::size_t>(i)];
    emptyRingRow(row);
    const float* fromCell = distances.row(i);
    // Row 0 holds the distances from the origin, where a missing antipode sits.
    const float* fromAntipode = distances.row(antipodeFromRow(fromCell));
    for (std::int32_t j = 1; j <= kSphereCellCount; ++j) {
      if (j == i) continue;
      const long double diff =
          static_cast<long double>(fromCell[j]) - static_cast<long double>(fromAntipode[j]);
      if (-halfBand < diff && diff < halfBand) append(row, j);
    }
    orderByWalk(row.entry.data(), orderedLength(row), distances);
  }
}

void orderRingRow(WorldState& w, std::int32_t c) {
  RingRow* row = ringRow(w, c);
  if (row == nullptr) return;
  orderByWalk(row->entry.data(), orderedLength(*row), [&w](std::int32_t a, std::int32_t b) {
    return distance(cellPosition(w, a), cellPosition(w, b));
  });
}

Bytes encodeRingTable(const WorldState& w) {
  Bytes bytes;
  bytes.reserve(kRingFileSize);
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
    const RingRow& row = ringRowOf(w, c);
    appendInt32(bytes, row.count);
    for (int k = 1; k <= kRingFileEntries; ++k) appendInt32(bytes, row.entry[k]);
  }
  return bytes;
}

std::optional<Failure> decodeRingTable(WorldState& w, const Bytes& bytes) {
  if (bytes.size() != kRingFileSize) {
    return Failure::logged((bytes.size() < kRingFileSize ? "only " : "") +
                           std::to_string(bytes.size()) + " of " +
                           std::to_string(kRingFileSize) + " bytes");
  }
  if (w.ring.size() != kSphereCellCount + 1) return Failure::logged("no ring table to fill");
  const auto intAt = [&bytes](std::size_t record, std::size_t field) {
    return readInt32(bytes.data() + (record * kRingRecordInts + field) * 4);
  };
  for (std::size_t r = 0; r < kSphereCellCount; ++r) {
    const std::string cell = "cell " + std::to_string(r + 1);
    // A ring never holds its own cell.
    const std::int32_t count = intAt(r, 0);
    if (count < 0 || count > kSphereCellCount - 1) {
      return Failure::logged(cell + " has a ring count of " + std::to_string(count));
    }
    for (std::size_t k = 1; k <= kRingFileEntries; ++k) {
      const std::int32_t entry = intAt(r, k);
      if (entry != 0 && !isCell(entry))
        return Failure::logged(cell + " lists " + std::to_string(entry));
    }
  }
  for (std::size_t r = 0; r < kSphereCellCount; ++r) {
    RingRow& row = w.ring[r + 1];
    emptyRingRow(row);
    row.count = intAt(r, 0);
    // A count past what the file holds reads zeros there.
    row.entry.resize(std::max(row.entry.size(), static_cast<std::size_t>(row.count) + 1));
    for (std::size_t k = 1; k <= kRingFileEntries; ++k) row.entry[k] = intAt(r, k);
  }
  return {};
}

}  // namespace vorlund

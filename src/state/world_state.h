#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "state/geometry.h"

namespace vorlund {

inline constexpr int kSphereCellCount = 1461;
// The ring file has room for this many entries per row; a row worked out
// from the sphere may hold more in memory.
inline constexpr int kRingFileEntries = 66;
inline constexpr int kNeighbourSlots = 8;
// Six touching cells at most: a hexagon; pentagons leave slot 6 empty.
inline constexpr int kNeighbourLimit = 6;

// Where a triangle corner lies in the texture plane, and the angle of the
// triangle at that corner (radians) as the strip carries it on.
struct TextureCorner {
  long double u = 0.0L;
  long double v = 0.0L;
  long double angle = 0.0L;
};
using TriangleTexture = std::array<TextureCorner, 3>;

// Cells lying a quarter turn away from a cell, in walk order. The entries
// have room for what the file holds, and grow when a computed ring is longer;
// past the count they are 0.
struct RingRow {
  std::int32_t count = 0;
  std::vector<std::int32_t> entry = std::vector<std::int32_t>(kRingFileEntries + 1);  // [1..]
};

// The cells touching a cell, in order around it. Empty slots hold 0.
struct NeighbourRow {
  std::int32_t count = 0;
  std::array<std::int32_t, kNeighbourSlots + 1> slot{};  // slot[1..8]; [0] unused
};

// The hex sphere: cells, triangles, texture layout, ring and neighbour
// tables. Filled at start-up by the world load and the table set-up; every
// table is indexed from 1, and index 0 is "no cell": the origin, an empty row.
// Read them through the accessors below, which never leave a table.
struct WorldState {
  std::vector<Vec3> cells;                // [1..1461]
  std::vector<Vec3> cellsCopy;            // what the corner matching compares against
  std::int32_t pointCount = 0;            // N, the triangle points of "atri1.tri"
  std::vector<Vec3> points;               // [1..N]
  std::vector<std::int32_t> cornerCells;  // [1..N], 0 when no cell matched
  std::vector<Vec3> centres;              // [1..N div 3]
  std::vector<TriangleTexture> texture;   // [1..N div 3]
  bool meshCopied = false;
  bool trianglesAssigned = false;

  std::vector<RingRow> ring;             // [1..1461]
  std::vector<NeighbourRow> neighbours;  // [1..1461]
  // The ring table was loaded or computed, so it is worth saving.
  bool ringTableReady = false;
};

// Sizes the per-cell tables (once, at start-up): every cell at the origin,
// every row empty. The triangle tables are sized by the mesh load.
void allocateCellTables(WorldState& w);

inline bool isCell(std::int32_t c) {
  return c >= 1 && c <= kSphereCellCount;
}

inline std::int32_t triangleCount(const WorldState& w) {
  return w.centres.empty() ? 0 : static_cast<std::int32_t>(w.centres.size() - 1);
}

// Position of cell c; the origin for 0 or any number that is not a cell.
const Vec3& cellPosition(const WorldState& w, std::int32_t c);
// Triangle point k (1..N), corner cell of point k, centre of triangle t.
const Vec3& trianglePoint(const WorldState& w, std::int32_t k);
std::int32_t cornerCell(const WorldState& w, std::int32_t k);
const Vec3& triangleCentre(const WorldState& w, std::int32_t t);
const TriangleTexture& triangleTexture(const WorldState& w, std::int32_t t);

// Ring table: count of cell c's ring and its entry at position 1..1461 (0
// outside the row). The neighbour table likewise, slots 1..8.
std::int32_t ringCount(const WorldState& w, std::int32_t c);
std::int32_t ringEntry(const WorldState& w, std::int32_t c, std::int32_t position);
std::int32_t neighbourCount(const WorldState& w, std::int32_t c);
std::int32_t neighbourSlot(const WorldState& w, std::int32_t c, std::int32_t slot);

// A row to edit in place, or nullptr when c is not a cell (or the tables are
// not there yet).
RingRow* ringRow(WorldState& w, std::int32_t c);
NeighbourRow* neighbourRow(WorldState& w, std::int32_t c);
const RingRow& ringRowOf(const WorldState& w, std::int32_t c);
const NeighbourRow& neighbourRowOf(const WorldState& w, std::int32_t c);

}  // namespace vorlund

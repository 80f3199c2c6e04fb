#pragma once
#include <cstdint>
#include <optional>

#include "state/failure.h"
#include "state/little_endian.h"
#include "state/world_state.h"

namespace vorlund {

class CellDistances;

inline constexpr const char* kNeighbourFileName = "face.equ";
// 1461 records: the count, then slots 1..8.
inline constexpr std::size_t kNeighbourRecordInts = 1 + kNeighbourSlots;
inline constexpr std::size_t kNeighbourFileSize = kSphereCellCount * kNeighbourRecordInts * 4;

// Each cell's six nearest cells (the lower cell number of equally near ones),
// in order around the cell.
void searchNeighbours(WorldState& w, const CellDistances& distances);

// A pentagon's sixth-nearest cell lies beyond its true neighbours and shares
// few cells with it; such a cell is struck from the row. Cells are visited in
// order, each seeing the rows of lower cells as already pruned.
void pruneNeighbourRows(WorldState& w);

// The search followed by the pruning: every count ends at 5 or 6.
void computeNeighbourTable(WorldState& w, const CellDistances& distances);

// Puts the six slots of cell c's row in order around the cell, starting from slot 1.
void orderNeighbourRow(WorldState& w, std::int32_t c);

// The bytes of "face.equ" (the game only reads it; tools and tests write it).
Bytes encodeNeighbourTable(const WorldState& w);

// Fills the neighbour table from the bytes of "face.equ" and returns nothing,
// or leaves the table alone and returns what is wrong with them.
[[nodiscard]] std::optional<Failure> decodeNeighbourTable(WorldState& w, const Bytes& bytes);

}  // namespace vorlund

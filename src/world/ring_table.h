#pragma once
#include <cstdint>
#include <optional>

#include "state/failure.h"
#include "state/little_endian.h"
#include "state/world_state.h"

namespace vorlund {

class CellDistances;

inline constexpr const char* kRingFileName = "adia2.equ";
// 1461 records: the count, then entries 1..66.
inline constexpr std::size_t kRingRecordInts = 1 + kRingFileEntries;
inline constexpr std::size_t kRingFileSize = kSphereCellCount * kRingRecordInts * 4;

// The mean length of the triangles' edges, summed in singles.
float meanEdgeLength(const WorldState& w);

// The cell farthest from p, the first of equally far ones; 0 when no cell is
// farther than 1.0.
std::int32_t antipodeSearch(const WorldState& w, const Vec3& p);

// Every cell's ring: the cells about as far from it as from its antipode (the
// two distances differ by less than half a mean edge), walked in order.
void computeRingTable(WorldState& w, const CellDistances& distances);

// Puts the first 66 entries of cell c's ring (those the file keeps) in walk order.
void orderRingRow(WorldState& w, std::int32_t c);

// The bytes of "adia2.equ": each row's count as it is, then entries 1..66.
Bytes encodeRingTable(const WorldState& w);

// Fills the ring table from the bytes of "adia2.equ" and returns nothing, or
// leaves the table alone and returns what is wrong with them.
[[nodiscard]] std::optional<Failure> decodeRingTable(WorldState& w, const Bytes& bytes);

}  // namespace vorlund

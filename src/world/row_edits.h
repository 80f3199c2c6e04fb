#pragma once
#include <cstdint>

namespace vorlund {

struct WorldState;

// The table editor of the arena view works on the cursor cell's rows. Each
// edit stays inside the row; a cell number c that is not a cell edits nothing.

// Appends a cell to c's ring (at most 66 entries) or neighbours (at most 6),
// unless it is there already. Only cells can be added: anything else would
// send painting and movement outside the sphere.
void addToRingRow(WorldState& w, std::int32_t c, std::int32_t cell);
void addToNeighbourRow(WorldState& w, std::int32_t c, std::int32_t cell);

// Removes the last occurrence of value from the row; the freed place is
// cleared so that a later ordering cannot bring the removed cell back.
void removeFromRingRow(WorldState& w, std::int32_t c, std::int32_t value);
void removeFromNeighbourRow(WorldState& w, std::int32_t c, std::int32_t value);

// Reverses entries 1..count.
void reverseRingRow(WorldState& w, std::int32_t c);
void reverseNeighbourRow(WorldState& w, std::int32_t c);

// Count and slots 1..6 := 0.
void emptyNeighbourRow(WorldState& w, std::int32_t c);

}  // namespace vorlund

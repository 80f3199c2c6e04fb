#pragma once
#include <cstdint>

namespace vorlund {

struct Game;

// The neighbour of cell `from` whose centre is nearest to the centre of cell
// `target`, skipping cell `skip` (0 skips nothing). Only a strictly nearer
// cell replaces the best so far, so the first in neighbour order wins a tie.
// 0 when `from` has no neighbour nearer than 5000.
std::int32_t nearestNeighbour(const Game& g, std::int32_t from, std::int32_t target,
                              std::int32_t skip = 0);

// The neighbour of `from` farthest from `target`, ties to the first; 0 when
// there is none.
std::int32_t farthestNeighbour(const Game& g, std::int32_t from, std::int32_t target);

// Both on one cell, or b in a's neighbour list.
bool adjacentOrSame(const Game& g, std::int32_t a, std::int32_t b);

}  // namespace vorlund

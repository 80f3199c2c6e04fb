#pragma once
#include <optional>
#include <vector>

#include "state/failure.h"
#include "state/world_state.h"

namespace vorlund {

// How far a cell may lie from the unit sphere, and how near two cells may
// come: nearer than this they are one place, and every walk between them ties.
inline constexpr long double kSphereRadiusTolerance = 0.01L;
inline constexpr long double kMinCellSeparation = 1e-6L;
// Three times the spacing of 1461 cells spread evenly over the unit sphere
// (0.0997): no cell touches one that lies farther away.
inline constexpr float kNeighbourReach = 0.3F;
// A cell of a closed sphere touches three cells at least; a row has room for six.
inline constexpr int kFewestNeighbours = 3;

// What makes the cell positions unfit for the arena: a coordinate that is
// not a number, a cell off the unit sphere, two cells at one place; nothing
// when they are fit.
[[nodiscard]] std::optional<Failure> cellsFault(const WorldState& w);

// What makes neighbour rows [1..1461] of the cells of w unfit for movement:
// a count outside 3..6, a slot that is no cell, a row that lists its own cell
// or one cell twice, a neighbour that is not near, a neighbour whose row does
// not list the cell back; nothing when they are fit.
[[nodiscard]] std::optional<Failure> neighbourRowsFault(const WorldState& w,
                                                        const std::vector<NeighbourRow>& rows);

}  // namespace vorlund

#include "combat/arena_cells.h"

#include "shell/game.h"
#include "world/geometry.h"
#include "world/world_state.h"

namespace vorlund {

namespace {

float centreDistance(const Game& g, std::int32_t a, std::int32_t b) {
  return distance(cellPosition(g.world, a), cellPosition(g.world, b));
}

}  // namespace

std::int32_t nearestNeighbour(const Game& g, std::int32_t from, std::int32_t target,
                              std::int32_t skip) {
  if (!isCell(from)) return 0;
  float best = 5000.0F;
  std::int32_t chosen = 0;
  const std::int32_t count = neighbourCount(g.world, from);
  for (std::int32_t k = 1; k <= count; ++k) {
    const std::int32_t cell = neighbourSlot(g.world, from, k);
    if (!isCell(cell) || (skip != 0 && cell == skip)) continue;
    const float d = centreDistance(g, cell, target);
    if (d < best) {
      best = d;
      chosen = cell;
    }
  }
  return chosen;
}

std::int32_t farthestNeighbour(const Game& g, std::int32_t from, std::int32_t target) {
  if (!isCell(from)) return 0;
  float best = 0.0F;
  std::int32_t chosen = 0;
  const std::int32_t count = neighbourCount(g.world, from);
  for (std::int32_t k = 1; k <= count; ++k) {
    const std::int32_t cell = neighbourSlot(g.world, from, k);
    if (!isCell(cell)) continue;
    const float d = centreDistance(g, cell, target);
    if (d > best) {
      best = d;
      chosen = cell;
    }
  }
  return chosen;
}

bool adjacentOrSame(const Game& g, std::int32_t a, std::int32_t b) {
  if (a == b) return true;
  const std::int32_t count = neighbourCount(g.world, a);
  for (std::int32_t k = 1; k <= count; ++k)
    if (neighbourSlot(g.world, a, k) == b) return true;
  return false;
}

}  // namespace vorlund

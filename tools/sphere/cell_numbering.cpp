#include "cell_numbering.h"

#include <cstdlib>
#include <utility>

namespace vorlund::sphere {

namespace {

constexpr int firstFighterCell = 196;
constexpr int secondFighterCell = 577;
constexpr int arenaCentreCell = 1272;
constexpr int fightDistance = 12;  // the distance between the fighters at rest

// Among the cells that pass `fits`, the one whose number is nearest `number` (the lower on a
// tie) swaps numbers with the cell that now has `number`.
template <class Fits>
bool bringNumberTo(std::vector<int>& numberOf, std::vector<int>& cellOf, int number, Fits fits) {
  int best = -1;
  for (int c = 0; c < static_cast<int>(numberOf.size()); ++c) {
    if (!fits(c)) continue;
    if (best < 0 || std::abs(numberOf[c] - number) < std::abs(numberOf[best] - number) ||
        (std::abs(numberOf[c] - number) == std::abs(numberOf[best] - number) &&
         numberOf[c] < numberOf[best]))
      best = c;
  }
  if (best < 0) return false;
  const int holder = cellOf[number];
  std::swap(numberOf[best], numberOf[holder]);
  cellOf[numberOf[best]] = best;
  cellOf[numberOf[holder]] = holder;
  return true;
}

}  // namespace

std::vector<int> stepsFrom(const Triangulation& mesh, int from) {
  std::vector<int> steps(mesh.cellCount(), -1);
  std::vector<int> queue{from};
  steps[from] = 0;
  for (std::size_t k = 0; k < queue.size(); ++k)
    for (int next : mesh.neighbours[queue[k]])
      if (steps[next] < 0) {
        steps[next] = steps[queue[k]] + 1;
        queue.push_back(next);
      }
  return steps;
}

std::vector<int> numberCells(const Triangulation& mesh) {
  const int n = mesh.cellCount();
  if (n < arenaCentreCell) return {};
  std::vector<int> numberOf(n), cellOf(n + 1, -1);
  for (int c = 0; c < n; ++c) {
    numberOf[c] = c + 1;
    cellOf[c + 1] = c;
  }
  const auto fromFirst = stepsFrom(mesh, cellOf[firstFighterCell]);
  if (!bringNumberTo(numberOf, cellOf, secondFighterCell,
                     [&](int c) { return fromFirst[c] == fightDistance; }))
    return {};
  const auto fromSecond = stepsFrom(mesh, cellOf[secondFighterCell]);
  if (!bringNumberTo(numberOf, cellOf, arenaCentreCell, [&](int c) {
        return fromFirst[c] == fightDistance / 2 && fromSecond[c] == fightDistance / 2;
      }))
    return {};
  return numberOf;
}

}  // namespace vorlund::sphere

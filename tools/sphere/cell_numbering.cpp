#include "cell_numbering.h"

#include <cstdlib>
#include <utility>

#include "world/arena_start.h"

namespace vorlund::sphere {

namespace {

constexpr int firstFighterCell = kPlayerStartCell;
constexpr int secondFighterCell = kGuestStartCell;
constexpr int arenaCentreCell = kArenaCentreStart;
constexpr int fightDistance = kRestDistance;

// Hands `number` to the best cell by `better` among those that pass `fits`; the cell that had
// `number` takes the chosen cell's old number.
template <class Fits, class Better>
bool bringNumberTo(std::vector<int>& numberOf, std::vector<int>& cellOf, int number, Fits fits,
                   Better better) {
  int best = -1;
  for (int c = 0; c < static_cast<int>(numberOf.size()); ++c)
    if (fits(c) && (best < 0 || better(c, best))) best = c;
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

std::vector<int> numberCells(const Triangulation& mesh, const std::vector<Vec3>& positions) {
  const int n = mesh.cellCount();
  if (n < arenaCentreCell) return {};
  std::vector<int> numberOf(n), cellOf(n + 1, -1);
  for (int c = 0; c < n; ++c) {
    numberOf[c] = c + 1;
    cellOf[c + 1] = c;
  }
  // Cells are tried in spiral order and only a strictly better one replaces the best so far.
  auto nearerNumber = [&](int c, int best) {
    return std::abs(numberOf[c] - secondFighterCell) < std::abs(numberOf[best] - secondFighterCell);
  };
  const auto fromFirst = stepsFrom(mesh, cellOf[firstFighterCell]);
  if (!bringNumberTo(
          numberOf, cellOf, secondFighterCell, [&](int c) { return fromFirst[c] == fightDistance; },
          nearerNumber))
    return {};
  const auto fromSecond = stepsFrom(mesh, cellOf[secondFighterCell]);
  const Vec3 middle = positions[cellOf[firstFighterCell]] + positions[cellOf[secondFighterCell]];
  auto nearerMiddle = [&](int c, int best) {
    return length(unit(middle) - positions[c]) < length(unit(middle) - positions[best]);
  };
  if (!bringNumberTo(
          numberOf, cellOf, arenaCentreCell,
          [&](int c) {
            return fromFirst[c] == fightDistance / 2 && fromSecond[c] == fightDistance / 2;
          },
          nearerMiddle))
    return {};
  return numberOf;
}

}  // namespace vorlund::sphere

#include "shell/input.h"

#include "panels/text_keys.h"
#include "shell/game.h"
#include "world/ring_table.h"
#include "world/row_edits.h"

namespace vorlund {
namespace {

// One step along a row of `count` entries, wrapping once at either end. An
// empty row keeps the position where it is.
std::int32_t stepForward(std::int32_t position, std::int32_t count) {
  if (count <= 0) return position;
  ++position;
  if (position > count) position -= count;
  return position;
}

std::int32_t stepBack(std::int32_t position, std::int32_t count) {
  if (count <= 0) return position;
  --position;
  if (position < 1) position += count;
  return position;
}

// Left: along the cursor cell's ring and round its neighbours.
void stepPositionsForward(Game& g) {
  g.cursorRingPos = stepForward(g.cursorRingPos, ringCount(g.world, g.cursorCell));
  g.cursorNeighbourPos = stepForward(g.cursorNeighbourPos, neighbourCount(g.world, g.cursorCell));
}

void stepPositionsBack(Game& g) {
  g.cursorRingPos = stepBack(g.cursorRingPos, ringCount(g.world, g.cursorCell));
  g.cursorNeighbourPos = stepBack(g.cursorNeighbourPos, neighbourCount(g.world, g.cursorCell));
}

// The pole follows the cursor, and the antipode is the cell farthest from it.
void takePoles(Game& g) {
  g.poleCell = g.cursorCell;
  g.antipodeCell = antipodeSearch(g.world, cellPosition(g.world, g.cursorCell));
}

// Up shows the cursor and starts the new cell's ring at its first position.
void cursorToNextCell(Game& g) {
  g.cursorShown = true;
  g.cursorCell = g.cursorCell >= kSphereCellCount ? 1 : g.cursorCell + 1;
  g.cursorRingPos = 1;
  takePoles(g);
  const std::int32_t count = ringCount(g.world, g.cursorCell);
  if (count < g.cursorRingPos) g.cursorRingPos -= count;
}

// Down keeps the ring position and leaves the cursor shown or hidden.
void cursorToPreviousCell(Game& g) {
  g.cursorCell = g.cursorCell <= 1 ? kSphereCellCount : g.cursorCell - 1;
  takePoles(g);
  if (g.cursorRingPos < 1) g.cursorRingPos += ringCount(g.world, g.cursorCell);
}

void leftKey(Game& g, KeyModifiers mods) {
  if (mods.shift)
    reverseRingRow(g.world, g.cursorCell);
  else if (mods.alt)
    reverseNeighbourRow(g.world, g.cursorCell);
  else
    stepPositionsForward(g);
}

}  // namespace

void formKeyDown(Game& g, int key, KeyModifiers mods) {
  if (key < kVkEscape || key > kVkF10) return;
  if (key >= '0' && key <= '9') {
    g.viewedBody = key - '0';
    return;
  }
  if (key >= kVkF5) {  // F5..F10 view bodies 14..19
    g.viewedBody = key - kVkF5 + 14;
    return;
  }
  switch (key) {
    case kVkEscape:
    case kVkF1:
    case kVkF2:
    case kVkF3:
    case kVkF4:
      textWindowKey(g, key);
      break;
    case kVkLeft:
      leftKey(g, mods);
      break;
    case kVkUp:
      cursorToNextCell(g);
      break;
    case kVkRight:
      stepPositionsBack(g);
      break;
    case kVkDown:
      cursorToPreviousCell(g);
      break;
    case 'B':
      g.gridOverlay = !g.gridOverlay;
      break;
    case 'S':
      g.solarScale *= 0.8;
      break;
    case 'W':
      g.solarScale *= 1.2;
      break;
    case 'Y':
      g.texturedGlobe = !g.texturedGlobe;
      break;
    default:
      break;
  }
}

}  // namespace vorlund

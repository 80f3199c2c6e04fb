#include "loop/pointer_input.h"

#include <algorithm>
#include <limits>
#include <string>

#include "management/zaps.h"
#include "state/game.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/row_edits.h"

namespace vorlund {
namespace {

// A name less an offset, when the result can be a row's entry at all.
bool entryFromName(std::uint32_t name, std::int64_t offset, std::int32_t& entry) {
  const std::int64_t value = static_cast<std::int64_t>(name) - offset;
  if (value < std::numeric_limits<std::int32_t>::min()) return false;
  entry = static_cast<std::int32_t>(value);
  return true;
}

void addToRing(Game& g, std::uint32_t name) {
  std::int32_t cell = 0;
  if (!entryFromName(name, 0, cell)) return;
  addToRingRow(g.world, g.cursorCell, cell);
  orderRingRow(g.world, g.cursorCell);
}

void addToNeighbours(Game& g, std::uint32_t name) {
  std::int32_t cell = 0;
  if (!entryFromName(name, 0, cell)) return;
  addToNeighbourRow(g.world, g.cursorCell, cell);
  orderNeighbourRow(g.world, g.cursorCell);
}

void removeFromRing(Game& g, std::uint32_t name) {
  std::int32_t cell = 0;
  if (!entryFromName(name, kRingMarkerName, cell)) return;
  removeFromRingRow(g.world, g.cursorCell, cell);
  orderRingRow(g.world, g.cursorCell);
}

void removeFromNeighbours(Game& g, std::uint32_t name) {
  std::int32_t cell = 0;
  if (!entryFromName(name, kNeighbourMarkerName, cell)) return;
  removeFromNeighbourRow(g.world, g.cursorCell, cell);
  orderNeighbourRow(g.world, g.cursorCell);
}

}  // namespace

void formMouseDown(Game& g, double x, double y) {
  g.mouseDrag = true;
  g.dragStartX = x;
  g.dragStartY = y;
  g.dragStartYaw = g.viewYaw;
  g.dragStartPitch = g.viewPitch;
  // The selection pass that follows paints a frame.
  drawZapFlicker(g);
}

void formMouseUp(Game& g) {
  g.mouseDrag = false;
}

void formMouseMove(Game& g, double x, double y, double clientWidth, double clientHeight,
                   const FrustumSides& frustum) {
  // A window with no area has no pointer in it; the division would turn the
  // view by infinity.
  if (!g.mouseDrag || !(clientWidth > 0.0) || !(clientHeight > 0.0)) return;
  g.viewYaw = g.dragStartYaw -
              50.0 * (frustum.right - frustum.left) * (g.dragStartX - x) / clientWidth * 1.5;
  g.viewPitch =
      g.dragStartPitch - 50.0 * (frustum.top - frustum.bottom) * (g.dragStartY - y) / clientHeight;
}

void pickAction(Game& g, MouseButton button, KeyModifiers mods, std::uint32_t name) {
  if (button == MouseButton::Left) {
    if (!mods.ctrl)
      addToRing(g, name);
    else if (!mods.alt)
      addToNeighbours(g, name);
    else
      g.mainCaption = std::to_string(name);
    return;
  }
  if (!mods.ctrl)
    removeFromRing(g, name);
  else if (!mods.alt)
    removeFromNeighbours(g, name);
  else
    emptyNeighbourRow(g.world, g.cursorCell);
}

void mouseWheel(Game& g, int delta) {
  // The desktop's movement comes as one signed 16-bit word; a larger one is
  // taken at the word's end rather than wrapped round to the other direction.
  delta = std::clamp<int>(delta, std::numeric_limits<std::int16_t>::min(),
                          std::numeric_limits<std::int16_t>::max());
  int pending = g.wheelAccumulator + delta;
  while (pending <= -kWheelNotch || pending >= kWheelNotch) {
    if (pending < 0) {
      for (int i = 0; i < g.wheelScrollLines; ++i) g.viewPitch += 2.0;
      pending += kWheelNotch;
    } else {
      for (int i = 0; i <= g.wheelScrollLines; ++i) g.viewPitch -= 2.0;
      pending -= kWheelNotch;
    }
  }
  g.wheelAccumulator = static_cast<std::int16_t>(pending);
}

}  // namespace vorlund

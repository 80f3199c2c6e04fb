#pragma once
#include <cstdint>

#include "loop/input.h"

namespace vorlund {
struct Game;

enum class MouseButton { Left, Right, Middle };

// The sides of the arena view's frustum at its near plane: how far a drag
// turns the view depends on them.
struct FrustumSides {
  double left = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  double top = 0.0;
};
// The main window's frustum as designed.
inline constexpr FrustumSides kDesignedFrustum{-1.25, 1.25, -1.0, 1.0};

// Selection names of what the selection pass can hit: a cell of the grid
// overlay is named by its number, the markers of the cursor cell's ring and
// neighbours by the cell they show plus these offsets.
inline constexpr std::int64_t kRingMarkerName = 100000;
inline constexpr std::int64_t kNeighbourMarkerName = 800000;

// Wheel movement per notch, as the desktop reports it.
inline constexpr int kWheelNotch = 120;

// Any button going down on the arena view starts a drag from (x, y). The
// selection pass runs after it, and what it hits goes to pickAction; the
// zap beam's flicker for the frame that pass paints is drawn here.
void formMouseDown(Game& g, double x, double y);
void formMouseUp(Game& g);

// While a button is held, the view turns with the pointer: a drag across the
// whole client area turns it by 75 times the frustum's width (yaw, with an
// extra half) and 50 times its height (pitch).
void formMouseMove(Game& g, double x, double y, double clientWidth, double clientHeight,
                   const FrustumSides& frustum);

// What a click does with the selection name it hit, by button and modifiers:
// the left button adds to the cursor cell's ring row (with Ctrl: its
// neighbour row; with Ctrl and Alt: shows the name as the main caption);
// the right or middle button removes from them (with Ctrl and Alt: empties
// the neighbour row). An edited row is put back in walk order.
void pickAction(Game& g, MouseButton button, KeyModifiers mods, std::uint32_t name);

// Wheel movement (positive away from the player). Whole notches tilt the
// view: towards the player 2 degrees per scroll line, away from him one line
// more; what is left of a notch waits for the next movement.
void mouseWheel(Game& g, int delta);

}  // namespace vorlund

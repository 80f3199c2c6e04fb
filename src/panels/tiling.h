#pragma once
#include <array>
#include <utility>

#include "state/platform.h"

namespace vorlund {

struct Game;

// Round to the nearest integer, halves to even, as every layout does.
int roundHalfEven(long double x);

// One placement of the layout: which window, and its new bounds.
using Placement = std::pair<WindowId, WindowBounds>;

// The layout of the four text windows around a main window with the given
// bounds. The first tick makes "Us" half the width; the main window's resize
// handler makes it 0.55 so that it overlaps "Them".
std::array<Placement, 4> textWindowLayout(const WindowBounds& main, bool usWide);

// The tiling that follows a user's resize of one text window: every other
// window, the main one included, in the order main, Us, Them, Names, Log.
std::array<Placement, 4> tilingAfterResize(WindowId resized, const WindowBounds& own);

// The resize handlers. Each acts only when the start-up countdown is exactly
// -1 and raises the guard (-2) before moving anything.
void mainWindowResized(Game& g);
void textWindowResized(Game& g, WindowId w);

}  // namespace vorlund

#include "panels/tiling.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "shell/game.h"

namespace vorlund {
namespace {

// The main window fills 96.8 % of the screen height and 90.3 % of its width.
constexpr long double kMainH = 1.0L / 0.968L;
constexpr long double kMainW = 1.0L / 0.903L;

struct Factors {
  long double h;
  long double w;
};

// From a resized text window's own rectangle back to the screen it was laid on.
Factors resizeFactors(WindowId w) {
  switch (w) {
    case WindowId::Log:
      return {1.0L / 0.757L, 1.0L / 0.174L};
    case WindowId::Us:
      return {1.0L, 1.0L / 0.47L};
    case WindowId::Them:
      return {1.0L, 1.0L / 0.95L};
    case WindowId::Names:
      return {1.0L / 0.782L, 1.0L};
    case WindowId::Main:
      break;
  }
  return {kMainH, kMainW};
}

WindowBounds scaled(long double h, long double w, long double top, long double left,
                    long double width, long double height) {
  return {roundHalfEven(h * top), roundHalfEven(w * left), roundHalfEven(w * width),
          roundHalfEven(h * height)};
}

void apply(Game& g, const Placement& p) {
  g.platform->setBounds(p.first, p.second);
}

}  // namespace

int roundHalfEven(long double x) {
  // Bounds no window can have are held to the range of an int, never beyond it.
  constexpr long double lo = std::numeric_limits<int>::min();
  constexpr long double hi = std::numeric_limits<int>::max();
  const long double r = std::nearbyint(x);
  if (std::isnan(r)) return 0;
  return static_cast<int>(std::clamp(r, lo, hi));
}

namespace {

// The far edge of a window, reckoned without overflow whatever its bounds.
long double farEdge(int nearEdge, int extent) {
  return static_cast<long double>(nearEdge) + extent;
}

}  // namespace

std::array<Placement, 4> textWindowLayout(const WindowBounds& main, bool usWide) {
  const long double h = roundHalfEven(farEdge(main.top, main.height) * kMainH);
  const long double w = roundHalfEven(farEdge(main.left, main.width) * kMainW);
  return {{
      {WindowId::Us, scaled(h, w, 0.75L, 0.0L, usWide ? 0.55L : 0.5L, 0.25L)},
      {WindowId::Them, scaled(h, w, 0.75L, 0.5L, 0.5L, 0.25L)},
      {WindowId::Names, scaled(h, w, 0.007L, 0.81L, 0.18L, 0.75L)},
      {WindowId::Log, scaled(h, w, 0.007L, 0.0L, 0.18L, 0.75L)},
  }};
}

std::array<Placement, 4> tilingAfterResize(WindowId resized, const WindowBounds& own) {
  const Factors f = resizeFactors(resized);
  const long double h = roundHalfEven(farEdge(own.top, own.height) * f.h);
  const long double w = roundHalfEven(farEdge(own.left, own.width) * f.w);
  const std::array<Placement, 5> all = {{
      {WindowId::Main, scaled(h, w, 0.068L, 0.063L, 0.84L, 0.9L)},
      {WindowId::Us, scaled(h, w, 0.75L, 0.0L, 0.55L, 0.25L)},
      {WindowId::Them, scaled(h, w, 0.75L, 0.55L, 0.5L, 0.25L)},
      {WindowId::Names, scaled(h, w, 0.007L, 0.81L, 0.18L, 0.75L)},
      {WindowId::Log, scaled(h, w, 0.007L, 0.0L, 0.18L, 0.75L)},
  }};
  std::array<Placement, 4> others{};
  int n = 0;
  for (const auto& p : all)
    if (p.first != resized) others[n++] = p;
  return others;
}

void mainWindowResized(Game& g) {
  if (g.startupCountdown != kCountdownIdle) return;
  g.startupCountdown = kCountdownLayoutGuard;
  for (const auto& p : textWindowLayout(g.platform->bounds(WindowId::Main), true)) apply(g, p);
}

void textWindowResized(Game& g, WindowId w) {
  if (g.startupCountdown != kCountdownIdle) return;
  g.startupCountdown = kCountdownLayoutGuard;
  for (const auto& p : tilingAfterResize(w, g.platform->bounds(w))) apply(g, p);
}

}  // namespace vorlund

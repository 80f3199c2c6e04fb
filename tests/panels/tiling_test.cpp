#include "panels/tiling.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/test_game.h"

namespace vorlund {
namespace {

TEST(Tiling, RoundsHalvesToEven) {
  // Beyond an int it stops at its ends; what is no number gives 0.
  const std::pair<long double, int> cases[] = {{423.5L, 424},
                                               {424.5L, 424},
                                               {-0.5L, 0},
                                               {2.5000001L, 3},
                                               {1e30L, 2147483647},
                                               {-1e30L, -2147483647 - 1},
                                               {std::numeric_limits<long double>::quiet_NaN(), 0}};
  for (const auto& [x, rounded] : cases) EXPECT_EQ(roundHalfEven(x), rounded) << double(x);
}

// Bounds at the ends of an int, as no window manager gives them, still tile
// without overflow: the screen they imply stops at the end of an int.
TEST(Tiling, BoundsAtTheEndsOfAnIntStayWithinOne) {
  constexpr int big = 2147483647;
  const auto placed = tilingAfterResize(WindowId::Log, {big, big, big, big});
  // H = W = 2147483647: the main window at 0.068 H, 0.063 W, 0.84 W x 0.9 H.
  EXPECT_EQ(placed[0].second, (WindowBounds{146028888, 135291470, 1803886263, 1932735282}));
  const auto laid = textWindowLayout({-big - 1, -big - 1, -big - 1, -big - 1}, true);
  // H = W = -2147483648: the Log at 0.007 H, 0, 0.18 W x 0.75 H.
  EXPECT_EQ(laid[3].second, (WindowBounds{-15032386, 0, -386547057, -1610612736}));
}

TEST(Tiling, MainResizeMakesUsWider) {
  // Designed main window: 74, 20, 691 x 511 gives H 549 and W 847.
  const WindowBounds main{20, 74, 691, 511};
  const auto narrow = textWindowLayout(main, false);
  const auto wide = textWindowLayout(main, true);
  EXPECT_EQ(narrow[0].second, (WindowBounds{412, 0, 424, 137}));
  EXPECT_EQ(wide[0].second, (WindowBounds{412, 0, 466, 137}));
  EXPECT_EQ(wide[1].second, narrow[1].second);
}

TEST(Tiling, ResizingUsPlacesTheOthers) {
  // "Us" resized to a bottom edge of 600 and a right edge of 235.
  const auto placed = tilingAfterResize(WindowId::Us, {450, 0, 235, 150});
  // 500 x 0.063 is 31.4999... in extended precision: 31, not a half.
  EXPECT_EQ(std::make_tuple(placed[0], placed[1], placed[2].first, placed[3].first),
            std::make_tuple(std::pair{WindowId::Main, WindowBounds{41, 31, 420, 540}},
                            std::pair{WindowId::Them, WindowBounds{450, 275, 250, 150}},
                            WindowId::Names, WindowId::Log));
}

TEST(Tiling, TheGuardLetsOneLayoutThrough) {
  test::TestGame t;
  Game& g = t.g();
  g.startupCountdown = 1;
  textWindowResized(g, WindowId::Log);
  mainWindowResized(g);
  EXPECT_TRUE(t.platform->placed.empty()) << "nothing is tiled before the first layout";
  g.startupCountdown = -1;
  textWindowResized(g, WindowId::Names);
  EXPECT_EQ(std::make_pair(g.startupCountdown, t.platform->placed.size()), std::make_pair(-2, 4ul));
  textWindowResized(g, WindowId::Us);
  mainWindowResized(g);
  EXPECT_EQ(t.platform->placed.size(), 4u) << "resizes during the guard move nothing";
  EXPECT_EQ(t.platform->placed[0], WindowId::Main);
}

}  // namespace
}  // namespace vorlund

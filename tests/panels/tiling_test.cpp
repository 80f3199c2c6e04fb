#include "panels/tiling.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace vorlund {
namespace {

TEST(Tiling, RoundsHalvesToEven) {
  EXPECT_EQ(roundHalfEven(423.5L), 424);
  EXPECT_EQ(roundHalfEven(424.5L), 424);
  EXPECT_EQ(roundHalfEven(-0.5L), 0);
  EXPECT_EQ(roundHalfEven(2.5000001L), 3);
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
  ASSERT_EQ(placed[0].first, WindowId::Main);
  // 500 x 0.063 is 31.4999... in extended precision: 31, not a half.
  EXPECT_EQ(placed[0].second, (WindowBounds{41, 31, 420, 540}));
  ASSERT_EQ(placed[1].first, WindowId::Them);
  EXPECT_EQ(placed[1].second, (WindowBounds{450, 275, 250, 150}));
  EXPECT_EQ(placed[2].first, WindowId::Names);
  EXPECT_EQ(placed[3].first, WindowId::Log);
}

TEST(Tiling, TheGuardLetsOneLayoutThrough) {
  test::TestGame t;
  Game& g = t.g();
  g.startupCountdown = 1;
  textWindowResized(g, WindowId::Log);
  mainWindowResized(g);
  EXPECT_TRUE(t.platform->calls.empty()) << "nothing is tiled before the first layout";
  g.startupCountdown = -1;
  textWindowResized(g, WindowId::Names);
  EXPECT_EQ(g.startupCountdown, -2);
  const auto moves = t.platform->calls.size();
  EXPECT_EQ(moves, 4u);
  textWindowResized(g, WindowId::Us);
  mainWindowResized(g);
  EXPECT_EQ(t.platform->calls.size(), moves) << "resizes during the guard move nothing";
  EXPECT_EQ(t.platform->calls[0].rfind("bounds Vorlund", 0), 0u);
}

}  // namespace
}  // namespace vorlund

// The body textures the build paints: they tile without seams and the reader
// reads them back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bmp_file.h"
#include "render/bitmap_file.h"
#include "render/planet_textures.h"
#include "support/test_game.h"
#include "surfaces.h"

namespace vorlund::textures {
namespace {

TEST(BodyTextures, EveryLookTilesWithoutSeams) {
  for (int k : {0, 1, 5, 6, 7, 10, 12, 14, 15, 40, 130}) {
    const Image image = paint(surfaceOf(k));
    const int n = image.size;
    const auto pixel = [&](int x, int y, int c) -> double {
      return image.rgb[(static_cast<std::size_t>(y) * n + x) * 3 + c];
    };
    // Mean change between columns (or rows) a and b.
    const auto change = [&](bool columns, int a, int b) {
      double sum = 0;
      for (int i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c)
          sum += columns ? std::abs(pixel(a, i, c) - pixel(b, i, c))
                         : std::abs(pixel(i, a, c) - pixel(i, b, c));
      return sum / (3.0 * n);
    };
    for (bool columns : {true, false}) {
      double inside = 0;
      for (int i = 1; i < n; ++i) inside = std::max(inside, change(columns, i - 1, i));
      EXPECT_LE(change(columns, n - 1, 0), inside)
          << "body " << k << (columns ? " columns" : " rows");
    }
  }
}

// The file and the reader keep the rows bottom-up; the painted image is top-down.
TEST(BodyTextures, TheReaderGetsBackWhatWasPainted) {
  test::TempDir dir;
  const Image painted = paint(surfaceOf(12));
  dir.write("Fig13012.bmp", bmpBytes(painted));
  const render::BitmapRead r = render::ReadBitmap(dir.path() / "Fig13012.bmp");
  ASSERT_EQ(r.fault, render::BitmapFault::None);
  EXPECT_EQ(r.image.width, painted.size);
  EXPECT_EQ(r.image.height, painted.size);
  std::vector<std::uint8_t> bottomUp;
  const auto row = static_cast<std::ptrdiff_t>(painted.size) * 3;
  for (auto end = painted.rgb.end(); end != painted.rgb.begin(); end -= row)
    bottomUp.insert(bottomUp.end(), end - row, end);
  EXPECT_TRUE(r.image.pixels == bottomUp);
}

}  // namespace
}  // namespace vorlund::textures

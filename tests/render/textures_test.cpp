// The body textures the build paints: sizes GL and the reader take, the same
// bytes on every run, markers told apart by colour, files the reader reads.
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

Rgb meanColour(const Image& image) {
  Rgb sum;
  for (std::size_t i = 0; i < image.rgb.size(); i += 3)
    sum.r += image.rgb[i], sum.g += image.rgb[i + 1], sum.b += image.rgb[i + 2];
  const double n = static_cast<double>(image.rgb.size() / 3);
  return {sum.r / n, sum.g / n, sum.b / n};
}

double distance(const Rgb& a, const Rgb& b) {
  return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b);
}

TEST(BodyTextures, TheSameSeedPaintsTheSameBytes) {
  for (int k : {0, 5, 12, 138})
    EXPECT_EQ(bmpBytes(paint(surfaceOf(k))), bmpBytes(paint(surfaceOf(k))));
  EXPECT_NE(bmpBytes(paint(surfaceOf(130))), bmpBytes(paint(surfaceOf(131))))
      << "asteroids of one kind still differ";
}

// The markers must be told apart at a glance; the sun is hot, Terra mostly
// sea, Luna grey.
TEST(BodyTextures, MarkersDifferPlainlyInColourAndLooksFollowTheBodyTable) {
  const int markers[] = {1, 3, 4, 5, 6, 12, 44, 138};
  for (int a : markers)
    for (int b : markers) {
      if (a >= b) continue;
      EXPECT_GT(distance(meanColour(paint(surfaceOf(a))), meanColour(paint(surfaceOf(b)))), 40.0)
          << a << " and " << b;
    }
  const Rgb sun = meanColour(paint(surfaceOf(0)));
  EXPECT_GT(sun.r, 200);
  EXPECT_LT(sun.b, sun.g);
  const Rgb terra = meanColour(paint(surfaceOf(5)));
  EXPECT_GT(terra.b, terra.r);
  const Rgb luna = meanColour(paint(surfaceOf(13)));
  EXPECT_LT(std::abs(luna.r - luna.b), 10);
}

// The globe repeats each texture many times over: the last column must run
// on into the first, and the last row into the first, changing no more than
// some neighbours inside do.
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

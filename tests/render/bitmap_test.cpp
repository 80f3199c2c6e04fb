// Reading the body textures: the bitmap reader on good, short, lying and
// strange files, and the start-up read of all 145.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "render/bitmap_file.h"
#include "render/planet_textures.h"
#include "support/test_game.h"

namespace vorlund::render {
namespace {

void put32(std::string& s, std::size_t at, std::int32_t v) {
  for (int i = 0; i < 4; ++i)
    s[at + i] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xff);
}

// A bitmap file: headers naming width x height, then the pixel bytes given.
std::string bitmap(std::int32_t width, std::int32_t height, const std::string& pixels) {
  std::string s(54, '\0');
  s[0] = 'B', s[1] = 'M';
  put32(s, 2, static_cast<std::int32_t>(54 + pixels.size()));
  put32(s, 10, 54);
  put32(s, 14, 40);
  put32(s, 18, width);
  put32(s, 22, height);
  s[26] = 1, s[28] = 24;
  return s + pixels;
}

class Bitmaps : public ::testing::Test {
 protected:
  BitmapRead read(const std::string& contents) {
    dir.write("Fig13000.bmp", contents);
    return ReadBitmap(dir.path() / "Fig13000.bmp");
  }
  test::TempDir dir;
};

// Triples come back red-green-blue; bytes beyond them are kept as read, and
// a top-down bitmap (a negative height) is read but left as it is.
TEST_F(Bitmaps, ReadAsTheFileHoldsIt) {
  const struct {
    std::string contents;
    int width, height;
    std::string pixels;
  } cases[] = {
      {bitmap(2, 1, "\x01\x02\x03\x04\x05\x06\x07\x08"), 2, 1, "\x03\x02\x01\x06\x05\x04\x07\x08"},
      {bitmap(0, 16, ""), 0, 16, ""},
      {bitmap(1, -1, "\x01\x02\x03"), 1, -1, "\x01\x02\x03"},
  };
  for (const auto& c : cases) {
    const BitmapRead r = read(c.contents);
    ASSERT_EQ(r.fault, BitmapFault::None) << c.width << "x" << c.height;
    EXPECT_EQ(r.image.width, c.width);
    EXPECT_EQ(r.image.height, c.height);
    EXPECT_EQ(std::string(r.image.pixels.begin(), r.image.pixels.end()), c.pixels) << c.height;
  }
}

TEST_F(Bitmaps, RefusedAsInvalidOrUnopenedWithTheReason) {
  const std::pair<const char*, std::string> cases[] = {
      {"no BM", "XM" + bitmap(1, 1, "abc").substr(2)},
      {"shorter than its headers", bitmap(1, 1, "abc").substr(0, 53)},
      {"empty", ""},
      {"pixels short of width x height", bitmap(2, 2, std::string(11, 'p'))},
      {"a header that lies about its size", bitmap(4096, 4096, std::string(48, 'p'))},
      {"54 bytes for 2 x 2", bitmap(2, 2, "")},
  };
  for (const auto& [what, contents] : cases)
    EXPECT_EQ(read(contents).fault, BitmapFault::Invalid) << what;
  // A file larger than any texture is not read.
  read(bitmap(2, 2, std::string(12, 'p')));
  std::filesystem::resize_file(dir.path() / "Fig13000.bmp", kMostBitmapBytes + 1);
  EXPECT_EQ(ReadBitmap(dir.path() / "Fig13000.bmp").fault, BitmapFault::Invalid);

  EXPECT_EQ(ReadBitmap(dir.path() / "missing.bmp").reason, "no such file");
  std::filesystem::create_directory(dir.path() / "folder.bmp");
  const BitmapRead folder = ReadBitmap(dir.path() / "folder.bmp");
  EXPECT_EQ(folder.fault, BitmapFault::CannotOpen);
  EXPECT_EQ(folder.reason, "not a regular file");
}

TEST(TextureFiles, StartUpStopsAtTheFirstFileItCannotReadAndNamesIt) {
  test::TempDir dir;
  for (int k = 0; k < kTextureCount; ++k)
    if (k != 7) dir.write(PlanetTextures::fileName(k), bitmap(4, 4, std::string(48, 'p')));
  // One the game folder lacks comes from the installed data (for a test
  // program, the build's game folder beside it).
  PlanetTextures installed;
  EXPECT_FALSE(installed.InitPlanetGraphics(dir.path()).has_value());
  EXPECT_GT(installed.image(7).width, 4);
  EXPECT_EQ(installed.image(8).width, 4);
  std::filesystem::create_directory(dir.path() / "Fig13007.bmp");
  PlanetTextures textures;
  std::optional<Failure> failure = textures.InitPlanetGraphics(dir.path());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->kind, Failure::Kind::Fatal) << "the start-up stops";
  EXPECT_EQ(describe(*failure), "Cannot open file Fig13007.bmp (not a regular file)");
  EXPECT_EQ(textures.image(6).width, 4);
  EXPECT_EQ(textures.image(8).width, 0) << "later textures stay unread";

  std::filesystem::remove(dir.path() / "Fig13007.bmp");
  dir.write("Fig13007.bmp", bitmap(4, 4, std::string(47, 'p')));
  failure = textures.InitPlanetGraphics(dir.path());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(describe(*failure), "Fig13007.bmp: invalid bitmap");
  dir.write("Fig13007.bmp", bitmap(4, 4, std::string(48, 'p')));
  EXPECT_FALSE(textures.InitPlanetGraphics(dir.path()).has_value());
  EXPECT_EQ(textures.image(144).pixels.size(), 48u);
}

}  // namespace
}  // namespace vorlund::render

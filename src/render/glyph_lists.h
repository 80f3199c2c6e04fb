#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlund::render {

inline constexpr int kFirstGlyph = 32;
inline constexpr int kGlyphCount = 94;  // characters 32..125

// One character of the on-screen font as GL draws a bitmap: rows from the
// bottom up, one bit a pixel with the leftmost in the top bit, each row a
// whole number of bytes; the origin is the pen position on the baseline.
struct GlyphBitmap {
  int width = 0;
  int height = 0;
  float xorig = 0.0f;
  float yorig = 0.0f;
  float advance = 0.0f;
  std::vector<std::uint8_t> rows;

  int rowBytes() const { return (width + 7) / 8; }
};
using GlyphSet = std::array<GlyphBitmap, kGlyphCount>;

// Makes one display list a character (the unpack alignment must be 1) and
// returns the list base: the first list's number minus 32, so that a string
// of character codes is drawn with one call.
unsigned buildGlyphLists(const GlyphSet& glyphs);

// Draws text at the current raster position. Characters outside 32..125
// name no list and draw nothing.
void drawText(unsigned listBase, std::string_view text);

}  // namespace vorlund::render

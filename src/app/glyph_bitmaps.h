#pragma once
#include "render/glyph_lists.h"

namespace vorlund::app {

// Characters 32..125 of the arena's font, "Times New Roman" (its stand-in of
// the same metrics) with a cell height of 20 pixels, drawn by Qt without
// smoothing into one-bit bitmaps for GL. GL draws bitmaps pixel for pixel,
// so on a screen of `devicePixelRatio` device pixels to the pixel the font
// is drawn that much larger, and a label keeps its size against the arena.
render::GlyphSet rasteriseGlyphs(double devicePixelRatio = 1.0);

}  // namespace vorlund::app

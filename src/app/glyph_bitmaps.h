#pragma once
#include "render/glyph_lists.h"

namespace vorlund::app {

// Characters 32..125 of the arena's font, "Times New Roman" (its stand-in of
// the same metrics) with a cell height of 20 pixels, drawn by Qt without
// smoothing into one-bit bitmaps for GL.
render::GlyphSet rasteriseGlyphs();

}  // namespace vorlund::app

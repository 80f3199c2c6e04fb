#include "render/glyph_lists.h"

#include <GL/gl.h>

namespace vorlund::render {

unsigned buildGlyphLists(const GlyphSet& glyphs) {
  // A blank still hands GL a bitmap to read: some drivers take a null one
  // for a failed allocation.
  static const GLubyte kBlank = 0;
  const GLuint first = glGenLists(kGlyphCount);
  if (first == 0) return 0;
  for (int i = 0; i < kGlyphCount; ++i) {
    const GlyphBitmap& b = glyphs[i];
    const bool whole = b.width > 0 && b.height > 0 &&
                       b.rows.size() >= static_cast<std::size_t>(b.rowBytes() * b.height);
    glNewList(first + i, GL_COMPILE);
    glBitmap(whole ? b.width : 0, whole ? b.height : 0, b.xorig, b.yorig, b.advance, 0.0f,
             whole ? b.rows.data() : &kBlank);
    glEndList();
  }
  return first - kFirstGlyph;
}

void drawText(unsigned listBase, std::string_view text) {
  if (text.empty()) return;
  glListBase(listBase);
  glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}

}  // namespace vorlund::render

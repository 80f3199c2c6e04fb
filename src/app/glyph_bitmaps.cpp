#include "app/glyph_bitmaps.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/fonts.h"

namespace vorlund::app {
namespace {

// The height of a character cell (ascent plus descent) the font was designed
// with, in pixels.
constexpr int kCellHeight = 20;

QFont arenaFont(double devicePixelRatio) {
  // The pixel size whose cell comes nearest to the designed height.
  // Beyond eight device pixels to the pixel no screen goes; a font of more
  // than 160 pixels is not drawn.
  const double ratio = std::clamp(devicePixelRatio, 1.0, 8.0);
  const int cell = static_cast<int>(std::lround(kCellHeight * ratio));
  int best = cell;
  int bestMiss = cell;
  for (int size = cell / 2; size <= cell; ++size) {
    const int miss = std::abs(QFontMetrics(timesPixels(size)).height() - cell);
    if (miss < bestMiss) best = size, bestMiss = miss;
  }
  QFont font = timesPixels(best);
  font.setStyleStrategy(QFont::NoAntialias);  // one bit a pixel, as GL draws it
  return font;
}

// Draws one character on a spare canvas and keeps the lit pixels' box.
render::GlyphBitmap rasterise(const QFont& font, char ch) {
  const QFontMetrics metrics(font);
  const QString text(QChar::fromLatin1(ch));
  const int pad = metrics.height();
  const QPoint pen(pad, pad + metrics.ascent());
  QImage canvas(metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad,
                QImage::Format_Grayscale8);
  canvas.fill(0);
  {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pen, text);
  }
  int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    const uchar* row = canvas.constScanLine(y);
    for (int x = 0; x < canvas.width(); ++x)
      if (row[x] > 127) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  }
  render::GlyphBitmap glyph;
  glyph.advance = static_cast<float>(metrics.horizontalAdvance(text));
  if (right < 0) return glyph;  // a blank: only the pen moves
  glyph.width = right - left + 1;
  glyph.height = bottom - top + 1;
  glyph.xorig = static_cast<float>(pen.x() - left);
  glyph.yorig = static_cast<float>(bottom + 1 - pen.y());
  glyph.rows.assign(static_cast<std::size_t>(glyph.rowBytes() * glyph.height), 0);
  for (int r = 0; r < glyph.height; ++r) {  // GL wants the bottom row first
    const uchar* row = canvas.constScanLine(bottom - r);
    for (int x = 0; x < glyph.width; ++x)
      if (row[left + x] > 127)
        glyph.rows[static_cast<std::size_t>(r * glyph.rowBytes() + x / 8)] |=
            static_cast<std::uint8_t>(0x80u >> (x % 8));
  }
  return glyph;
}

}  // namespace

render::GlyphSet rasteriseGlyphs(double devicePixelRatio) {
  const QFont font = arenaFont(devicePixelRatio);
  render::GlyphSet glyphs;
  for (int i = 0; i < render::kGlyphCount; ++i)
    glyphs[i] = rasterise(font, static_cast<char>(render::kFirstGlyph + i));
  return glyphs;
}

}  // namespace vorlund::app

// The arena fighters on the globe: a small cube above each fighter's cell
// with three labels, the fading trail of its last 30 cells, and the zap beam.
#include <GL/gl.h>

#include <charconv>
#include <string_view>

#include "management/zaps.h"
#include "render/arena_painter.h"
#include "render/marker_cube.h"
#include "render/scene_math.h"
#include "shell/game.h"

namespace vorlund::render {
namespace {

constexpr float kCellsForColour = static_cast<float>(kSphereCellCount);
// Labels and the figure float this far out, in globe radii; trail dots sit
// just above the ground.
constexpr long double kFigureLift = 1.22L;
constexpr long double kTrailLift = 1.01L;
constexpr int kTrailLength = 30;
constexpr GLfloat kTrailDotSize = 3.3f;

// A short label built without touching the heap.
class Label {
 public:
  Label& number(int value) {
    end_ = std::to_chars(end_, buffer_ + sizeof buffer_, value).ptr;
    return *this;
  }
  Label& text(std::string_view s) {
    for (char ch : s)
      if (end_ < buffer_ + sizeof buffer_) *end_++ = ch;
    return *this;
  }
  std::string_view view() const { return {buffer_, static_cast<std::size_t>(end_ - buffer_)}; }

 private:
  char buffer_[48];
  char* end_ = buffer_;
};

// Text centred roughly on x: 0.02 to the left for every character.
void placeText(unsigned listBase, std::string_view text, const Point3f& p, float below) {
  glRasterPos3f(p.x - 0.02f * static_cast<float>(text.size()), p.y - below, p.z);
  drawText(listBase, text);
}

}  // namespace

void ArenaPainter::CharacterPaint(const TCharacterDMG& f) {
  MainWindowComponents& c = components;
  const float cellShade = static_cast<float>(f.Hex) / kCellsForColour;
  glColor3f(cellShade, 1.0f, 0.5f);
  const float courage = 1.0f - static_cast<float>(f.Bravery) / 12.0f;
  c.Material1.setAmbient(courage, courage, 0.0f);
  // An arena fighter always has strength; a record without any shows no wounds.
  const float hurt = f.ST != 0 ? static_cast<float>(f.Wounds) / static_cast<float>(f.ST) : 0.0f;
  c.Material2.setAmbient(hurt, cellShade * 0.25f, cellShade * 0.25f);
  c.Material3.setAmbient(0.0f, 0.0f, 0.0f);
  glNormal3f(0.0f, 0.0f, 0.0f);
  glPushMatrix();

  // Lit with a null normal, each label takes the colour of the material
  // applied before its raster position is set.
  c.Material1.Apply();
  const Point3f p = scaled(cellPosition(g_.world, f.Hex), kFigureLift);
  placeText(listBase_, f.Name_String.str(), p, 0.0f);

  c.Material2.Apply();
  Label strength;
  strength.number(f.ST);
  if (f.Wounds > 0) strength.text(" -").number(f.Wounds);
  placeText(listBase_, strength.view(), p, 0.1f);

  c.Material3.Apply();
  Label dexterity;
  dexterity.number(f.DX);
  if (f.DX_adj != f.DX) dexterity.text(" (").number(f.DX_adj).text(")");
  placeText(listBase_, dexterity.view(), p, 0.2f);

  translate(p);
  normal(p);
  glScalef(0.03f, 0.03f, 0.03f);
  markerCube();
  glPopMatrix();
}

// The newest dot is the most opaque; blending fades the older ones.
void ArenaPainter::cellHistoryTrail(const TCharacterDMG& f) {
  TMaterial& print = components.MaterialPrint;
  const auto& history = g_.cellHistory[f.Name_String == slot(g_, 1).Name_String ? 0 : 1];
  glPointSize(kTrailDotSize);
  glColor3f(0.2f, 0.2f, 0.2f);
  for (int i = 1; i <= kTrailLength; ++i) {
    const Point3f q = scaled(cellPosition(g_.world, history[i - 1]), kTrailLift);
    const auto alpha = static_cast<float>(1.0 - (i * 0.020333 + 0.29));
    print.ambAlpha = alpha;
    print.difAlpha = alpha;
    print.Apply();
    glPushMatrix();
    glBegin(GL_POINTS);
    normal(-q);
    vertex(q);
    glEnd();
    glPopMatrix();
  }
}

// A line from the zapped fighter into the sky, ten pixels wide for every
// tick left; its blue flickers with the draw the tick made for this frame
// (a frame never draws from the generator itself: how many frames are
// painted is the window system's business, not the game's).
void ArenaPainter::zapBeam() {
  if (!zapBeamShown(g_)) return;
  TMaterial& spell = components.MaterialSpell;
  glPushMatrix();
  glLineWidth(static_cast<GLfloat>(g_.zapCountdown) * 10.0f);
  spell.ambBlue = static_cast<float>(g_.zapFlicker * 0.0033333333333333335);
  spell.Apply();
  const TCharacterDMG& f = slot(g_, g_.zapTarget);
  const Point3f p = scaled(cellPosition(g_.world, f.Hex), kFigureLift);
  glBegin(GL_LINES);
  normal(-p);
  vertex(p);
  vertex(scaled(cellPosition(g_.world, f.Hex), kFigureLift * 160.0L));
  glEnd();
  glPopMatrix();
}

}  // namespace vorlund::render

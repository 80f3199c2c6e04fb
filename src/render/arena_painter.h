#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "loop/pointer_input.h"
#include "render/cell_cubes.h"
#include "render/eye_view.h"
#include "render/globe_mesh.h"
#include "render/glyph_lists.h"
#include "render/main_window_components.h"
#include "render/planet_textures.h"
#include "render/selection_pass.h"

namespace vorlund {
struct Game;
struct TCharacterDMG;
}  // namespace vorlund

namespace vorlund::render {

// Paints the arena view of a game: the corner labels, the scene light, the
// stars, the viewed body with the arena globe on it, the other bodies as
// labelled points. Every frame is drawn whole, in immediate mode; only the
// glyph lists and the textures are kept between frames.
//
// A frame may be painted in selection mode: cells, ring and neighbour
// markers then load their selection names, and the projection matrix is
// never touched after start-up, so a pick matrix pushed around the frame
// works.
class ArenaPainter {
 public:
  explicit ArenaPainter(Game& g, TextureMode mode = TextureMode::Objects);

  MainWindowComponents components;
  PlanetTextures textures;
  Game& game() { return g_; }

  // The GL side of start-up, once the context is current and the textures
  // have been read: the context's own set-up, the GL state, the glyph lists
  // from the font's bitmaps, the textures (whose images are then let go when
  // texture objects hold them). Throws GlError.
  void startGl(const GlyphSet& glyphs);
  // With the context current, once started: the labels' glyph lists made
  // anew from other bitmaps (the window moved to a screen of another scale).
  void setGlyphs(const GlyphSet& glyphs);

  // One whole frame, ending with the buffer swap and an error check
  // ("formpaint"). Throws GlError.
  void FormPaint();

  // The view's new client size: the viewport follows, and a frame is
  // painted at once when the view did not grow. True when it painted.
  bool FormResize(int clientWidth, int clientHeight);

  // The selection pass at window pixel (x, y), y counted from the top: the
  // frame is painted in selection mode and the name of the nearest thing
  // drawn under the pointer comes back (0 for what carries no name of its
  // own). Throws GlError, with the projection and the render mode restored.
  std::optional<std::uint32_t> pickAt(int x, int y);

  // The grid drawn cell by cell, as the selection pass draws it, instead of
  // in one call; the globe drawn corner by corner and whole, instead of in
  // one call without what faces away: each pair must paint the same frame.
  bool cellsOneByOne = false;
  bool globeOneByOne = false;

  // Selection names of what the overlays draw.
  static constexpr unsigned kRingName = kRingMarkerName;
  static constexpr unsigned kNeighbourName = kNeighbourMarkerName;

 private:
  void cornerLabels();
  void starField();
  void viewedBody();
  void otherBodies();
  void bodyLabel(int k, float x, float y, float z);

  void TRansformPlanetPaint();
  void texturedGlobe();
  void cursorOverlay();
  void graveMarker(int grave);
  void gridOverlay();
  void marker();
  void cellMarker(int cell, float scale);
  // Whether what faces away may be left out, and whether the globe hides
  // what lies behind it.
  bool culled() const;
  bool depthTested() const;

  void CharacterPaint(const TCharacterDMG& f);
  void cellHistoryTrail(const TCharacterDMG& f);
  void zapBeam();

  Game& g_;
  std::array<std::uint32_t, kSelectionBufferSize> selectBuffer_{};
  unsigned listBase_ = 0;
  int paintedBody_ = 0;
  bool selecting_ = false;  // a frame of the selection pass is being painted
  CellCubes gridCubes_;
  GlobeMesh globe_;
  std::optional<EyeView> view_;  // of the globe, while it is painted
};

}  // namespace vorlund::render

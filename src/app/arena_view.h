#pragma once
#include <QPointF>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "loop/pointer_input.h"
#include "render/glyph_lists.h"
#include "render/planet_textures.h"
#include "state/failure.h"

class QOpenGLContext;
class QOpenGLWindow;
class QWindow;

namespace vorlund {
struct Game;
}

namespace vorlund::render {
class ArenaPainter;
class TOpenGL;
}  // namespace vorlund::render

namespace vorlund::app {

// The arena view of the main window: a GL window with the pixel format of
// the arena's context, into which the painter draws one frame per tick.
// Keys, mouse and wheel events on it go to the main window, in the main
// window's coordinates.
class ArenaView : public QWidget {
  Q_OBJECT
 public:
  ArenaView(Game& game, QWidget* parent, render::TextureMode mode = render::TextureMode::Objects);
  ~ArenaView() override;

  // The surface format every GL context of the program asks for: the pixel
  // format of the arena's context; and a software rasteriser in one thread.
  // Before the application is made.
  static void setDefaultFormat();

  // The start-up work that needs no context: the font's bitmaps and the 145
  // textures from the game folder. The failure that stops the start-up when
  // a texture cannot be read.
  std::optional<Failure> loadGraphics();

  // Paints a frame soon (the tick's last step).
  void requestFrame();

  // Failures of the GL work go here, the failure's message first, then every
  // GL error still pending; by default they are reported to the game.
  using ErrorReport = std::function<void(const std::string& message)>;
  void setErrorReport(ErrorReport report) { report_ = std::move(report); }

  render::ArenaPainter& painter() { return *painter_; }
  // The surface's context made current (or released), for picking and for
  // reading frames back.
  void makeCurrent();
  void doneCurrent();
  // The selection pass at a point of the view (from its top left corner):
  // the name of the nearest thing drawn under it, or nothing.
  std::optional<std::uint32_t> pickAt(QPointF at);
  // The sides of the view's frustum, which scale a drag.
  FrustumSides frustum() const;
  // Paints a frame into the back buffer and reads it back, as it would be shown.
  QImage grabFrame();
  int framesPainted() const { return frames_; }
  // The GL window itself, where the pointer's events arrive.
  QWindow* glWindow() const;

  // What the surface calls with its context current.
  void initializeGl(QOpenGLContext* context);
  void paintGl();
  void resizeGl(int width, int height);
  // With the context current: the window's device pixels to the pixel,
  // which the arena's labels are drawn for.
  void followPixelRatio(double ratio);

 private:
  void fail(const std::string& message);

  std::unique_ptr<render::ArenaPainter> painter_;
  render::GlyphSet glyphs_;
  double glyphRatio_ = 1.0;
  QOpenGLWindow* window_ = nullptr;
  ErrorReport report_;
  bool reporting_ = false;
  int frames_ = 0;
};

}  // namespace vorlund::app

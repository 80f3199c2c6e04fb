#include "app/arena_view.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLWindow>
#include <QSurfaceFormat>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "app/glyph_bitmaps.h"
#include "render/arena_painter.h"
#include "render/gl_error.h"
#include "state/game.h"

namespace vorlund::app {

namespace {

// The arena's GL window, inside the main window through a window container.
// It draws straight into its own window: a widget would draw into a frame
// buffer that the window's compositor then copies on every frame, which
// under a software rasteriser costs more than the frame itself.
class ArenaWindow : public QOpenGLWindow {
 public:
  explicit ArenaWindow(ArenaView& view) : view_(view) {}

 protected:
  void initializeGL() override { view_.initializeGl(context()); }
  void resizeGL(int w, int h) override {
    view_.followPixelRatio(devicePixelRatio());
    view_.resizeGl(static_cast<int>(w * devicePixelRatio()),
                   static_cast<int>(h * devicePixelRatio()));
  }
  void paintGL() override { view_.paintGl(); }
  // The arena's keys, mouse and wheel are the main window's.
  void keyPressEvent(QKeyEvent* event) override {
    QCoreApplication::sendEvent(view_.window(), event);
  }
  void mousePressEvent(QMouseEvent* event) override { forward(event); }
  void mouseMoveEvent(QMouseEvent* event) override { forward(event); }
  void mouseReleaseEvent(QMouseEvent* event) override { forward(event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { forward(event); }
  void wheelEvent(QWheelEvent* event) override {
    QWheelEvent moved(inMainWindow(event->position()), event->globalPosition(), event->pixelDelta(),
                      event->angleDelta(), event->buttons(), event->modifiers(), event->phase(),
                      event->inverted(), event->source());
    QCoreApplication::sendEvent(view_.window(), &moved);
  }

 private:
  // The same event in the main window's coordinates.
  void forward(QMouseEvent* event) {
    QMouseEvent moved(event->type(), inMainWindow(event->position()), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(),
                      event->modifiers(), event->source());
    QCoreApplication::sendEvent(view_.window(), &moved);
  }
  QPointF inMainWindow(QPointF at) const { return view_.mapTo(view_.window(), at); }

  ArenaView& view_;
};

QSurfaceFormat surfaceFormat(const render::TOpenGL& gl) {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  // Fixed-function GL 1.1 with GLU: a compatibility context.
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setVersion(2, 1);
  f.setSwapBehavior(gl.has(render::TPFDFlag::DoubleBuffer) ? QSurfaceFormat::DoubleBuffer
                                                           : QSurfaceFormat::SingleBuffer);
  f.setStereo(gl.has(render::TPFDFlag::Stereo));
  const int channel = (gl.ColorBits & 0xff) / 3;
  f.setRedBufferSize(channel);
  f.setGreenBufferSize(channel);
  f.setBlueBufferSize(channel);
  f.setDepthBufferSize(gl.DepthBits & 0xff);
  f.setStencilBufferSize(gl.StencilBits & 0xff);
  return f;
}

}  // namespace

ArenaView::ArenaView(Game& game, QWidget* parent, render::TextureMode mode)
    : QWidget(parent), painter_(std::make_unique<render::ArenaPainter>(game, mode)) {
  setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  window_ = new ArenaWindow(*this);
  QWidget* container = QWidget::createWindowContainer(window_, this);
  container->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(container);
}

// The container owns the GL window; its context goes with it.
ArenaView::~ArenaView() {
  painter_->components.OpenGL1.ownerDestroyed();
}

void ArenaView::setDefaultFormat() {
  QSurfaceFormat::setDefaultFormat(surfaceFormat(render::MainWindowComponents().OpenGL1));
  // Without a GPU, Mesa's llvmpipe paints the frames. By default it spreads
  // each frame over threads of its own, whose waking and joining cost about
  // a third more CPU than the arena's small frame saves: in one thread it is
  // painted as fast. Read once, when GL starts; the player's own setting
  // stands, and other drivers do not read it.
  if (!qEnvironmentVariableIsSet("LP_NUM_THREADS")) qputenv("LP_NUM_THREADS", "0");
}

std::optional<Failure> ArenaView::loadGraphics() {
  glyphRatio_ = window_->devicePixelRatio();
  glyphs_ = rasteriseGlyphs(glyphRatio_);
  return painter_->textures.InitPlanetGraphics(painter_->game().dir);
}

void ArenaView::requestFrame() {
  window_->update();
}

QWindow* ArenaView::glWindow() const {
  return window_;
}

void ArenaView::makeCurrent() {
  window_->makeCurrent();
}

void ArenaView::doneCurrent() {
  window_->doneCurrent();
}

QImage ArenaView::grabFrame() {
  makeCurrent();
  GLint viewport[4] = {};
  paintGl();
  glGetIntegerv(GL_VIEWPORT, viewport);
  QImage image(viewport[2], viewport[3], QImage::Format_RGBA8888);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  doneCurrent();
  return image.mirrored();
}

std::optional<std::uint32_t> ArenaView::pickAt(QPointF at) {
  const qreal ratio = window_->devicePixelRatio();
  std::optional<std::uint32_t> name;
  makeCurrent();
  try {
    name = painter_->pickAt(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio));
  } catch (const render::GlError& e) {
    fail(e.what());
  }
  doneCurrent();
  return name;
}

FrustumSides ArenaView::frustum() const {
  const render::TOpenGL& gl = painter_->components.OpenGL1;
  return {gl.prxLeft, gl.prxRight, gl.prxBottom, gl.prxTop};
}

void ArenaView::initializeGl(QOpenGLContext* context) {
  if (!context || !context->isValid()) return fail("wglCreateContext failed 0");
  if (QOpenGLContext::currentContext() != context) return fail("wglMakeCurrent failed 0");
  // A new context after the first (the window made again) finds the images
  // let go: they are read again.
  if (painter_->textures.released()) {
    if (const std::optional<Failure> failure =
            painter_->textures.InitPlanetGraphics(painter_->game().dir))
      return fail(describe(*failure));
  }
  try {
    painter_->startGl(glyphs_);
  } catch (const render::GlError& e) {
    fail(e.what());
  }
  // A texture GL refused is told once; the arena goes on without it.
  if (const std::string refused = painter_->textures.takeRefusals(); !refused.empty())
    fail(refused);
}

void ArenaView::paintGl() {
  try {
    painter_->FormPaint();
    ++frames_;
  } catch (const render::GlError& e) {
    fail(e.what());
  }
}

// Moved to a screen of another scale, the labels are drawn anew for it.
void ArenaView::followPixelRatio(double ratio) {
  if (ratio == glyphRatio_) return;
  glyphRatio_ = ratio;
  glyphs_ = rasteriseGlyphs(ratio);
  try {
    painter_->setGlyphs(glyphs_);
  } catch (const render::GlError& e) {
    fail(e.what());
  }
}

void ArenaView::resizeGl(int width, int height) {
  try {
    if (painter_->FormResize(width, height)) ++frames_;
  } catch (const render::GlError& e) {
    fail(e.what());
  }
}

// GL errors are read while the context is current; they are told once the
// painting is over, and one failure at a time (the next tick paints again
// and would only repeat it).
void ArenaView::fail(const std::string& message) {
  std::vector<std::string> texts{message};
  for (std::string& pending : render::drainGlErrors()) texts.push_back(std::move(pending));
  if (report_) {
    for (const std::string& t : texts) report_(t);
    return;
  }
  if (reporting_) return;
  reporting_ = true;
  QTimer::singleShot(0, this, [this, texts] {
    for (const std::string& t : texts) reportFailure(painter_->game(), Failure::shown(t));
    reporting_ = false;
  });
}

}  // namespace vorlund::app

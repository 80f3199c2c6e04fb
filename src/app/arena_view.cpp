#include "app/arena_view.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QOpenGLWindow>
#include <QSurfaceFormat>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/glyph_bitmaps.h"
#include "render/arena_painter.h"
#include "render/gl_error.h"
#include "shell/game.h"

namespace vorlund::app {

// Where the arena's GL goes on screen.
class ArenaSurface {
 public:
  virtual ~ArenaSurface() = default;
  virtual QWidget* widget() = 0;
  virtual void requestFrame() = 0;
  virtual void makeSurfaceCurrent() = 0;
  virtual void doneSurfaceCurrent() = 0;
  virtual qreal pixelRatio() const = 0;
};

namespace {

// A GL window of its own inside the main window: it draws straight into
// its window, with no composing of the widget tree.
class ArenaWindow : public QOpenGLWindow, public ArenaSurface {
 public:
  ArenaWindow(ArenaView& view) : view_(view) {
    container_ = QWidget::createWindowContainer(this, &view);
    container_->setFocusPolicy(Qt::NoFocus);
  }
  QWidget* widget() override { return container_; }
  void requestFrame() override { update(); }
  void makeSurfaceCurrent() override { makeCurrent(); }
  void doneSurfaceCurrent() override { doneCurrent(); }
  qreal pixelRatio() const override { return devicePixelRatio(); }

 protected:
  void initializeGL() override { view_.initializeGl(context()); }
  void resizeGL(int w, int h) override {
    view_.resizeGl(static_cast<int>(w * devicePixelRatio()),
                   static_cast<int>(h * devicePixelRatio()));
  }
  void paintGL() override { view_.paintGl(); }
  void keyPressEvent(QKeyEvent* event) override {
    QCoreApplication::sendEvent(view_.window(), event);
  }

 private:
  ArenaView& view_;
  QWidget* container_ = nullptr;
};

class ArenaWidget : public QOpenGLWidget, public ArenaSurface {
 public:
  ArenaWidget(ArenaView& view) : QOpenGLWidget(&view), view_(view) { setFocusPolicy(Qt::NoFocus); }
  QWidget* widget() override { return this; }
  void requestFrame() override { update(); }
  void makeSurfaceCurrent() override { makeCurrent(); }
  void doneSurfaceCurrent() override { doneCurrent(); }
  qreal pixelRatio() const override { return devicePixelRatioF(); }

 protected:
  void initializeGL() override { view_.initializeGl(context()); }
  void resizeGL(int w, int h) override {
    view_.resizeGl(static_cast<int>(w * devicePixelRatioF()),
                   static_cast<int>(h * devicePixelRatioF()));
  }
  void paintGL() override { view_.paintGl(); }

 private:
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
  if (std::getenv("VORLUND_GL_WIDGET"))
    surface_ = new ArenaWidget(*this);
  else
    surface_ = new ArenaWindow(*this);
  layout->addWidget(surface_->widget());
}

// The container owns the GL window, the view the widget; the context goes
// with them.
ArenaView::~ArenaView() {
  painter_->components.OpenGL1.ownerDestroyed();
}

void ArenaView::setDefaultFormat() {
  QSurfaceFormat::setDefaultFormat(surfaceFormat(render::MainWindowComponents().OpenGL1));
}

std::optional<Failure> ArenaView::loadGraphics() {
  glyphs_ = rasteriseGlyphs();
  return painter_->textures.InitPlanetGraphics(painter_->game().dir);
}

void ArenaView::requestFrame() {
  surface_->requestFrame();
}

void ArenaView::makeCurrent() {
  surface_->makeSurfaceCurrent();
}

void ArenaView::doneCurrent() {
  surface_->doneSurfaceCurrent();
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

void ArenaView::initializeGl(QOpenGLContext* context) {
  if (!context || !context->isValid()) return fail("wglCreateContext failed 0");
  if (QOpenGLContext::currentContext() != context) return fail("wglMakeCurrent failed 0");
  try {
    painter_->startGl(glyphs_);
  } catch (const render::GlError& e) {
    fail(e.what());
  }
}

void ArenaView::paintGl() {
  try {
    painter_->FormPaint();
    ++frames_;
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

// GL errors are read while the context is current; the boxes are shown once
// the painting is over, and one failure is shown at a time (the next tick
// paints again and would only repeat it).
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
    for (const std::string& t : texts) {
      QString shown = QString::fromStdString(t);
      shown.replace('\r', '\n');
      QMessageBox::critical(window(), "Vorlund", shown);
    }
    reporting_ = false;
  });
}

}  // namespace vorlund::app

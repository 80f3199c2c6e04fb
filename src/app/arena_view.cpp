#include "app/arena_view.h"

#include <QSurfaceFormat>

#include "render/frame.h"

namespace vorlund::app {

ArenaView::ArenaView(Game& game, QWidget* parent) : QOpenGLWidget(parent), game_(game) {
  setFocusPolicy(Qt::NoFocus);
}

void ArenaView::setDefaultFormat() {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setVersion(2, 1);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  f.setRedBufferSize(8);
  f.setGreenBufferSize(8);
  f.setBlueBufferSize(8);
  f.setDepthBufferSize(24);
  QSurfaceFormat::setDefaultFormat(f);
}

void ArenaView::initializeGL() {
  render::initGlState();
}

void ArenaView::paintGL() {
  const qreal ratio = devicePixelRatioF();
  render::formPaint(game_, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio));
}

}  // namespace vorlund::app

#include "app/frame_placer.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace vorlund::app {
namespace {

QMargins frameOf(const QWidget* w) {
  const QWindow* handle = w->windowHandle();
  return handle && w->isVisible() ? handle->frameMargins() : QMargins();
}

QRect toRect(const WindowBounds& b) {
  return {b.left, b.top, b.width, b.height};
}

WindowBounds toBounds(const QRect& r) {
  return {r.top(), r.left(), r.width(), r.height()};
}

}  // namespace

void FramePlacer::apply(QWidget* w, Wanted& wanted, QMargins frame) {
  wanted.assumed = frame;
  wanted.inside = QSize(std::max(1, wanted.outer.width() - frame.left() - frame.right()),
                        std::max(1, wanted.outer.height() - frame.top() - frame.bottom()));
  w->move(wanted.outer.topLeft());
  w->resize(wanted.inside);
}

void FramePlacer::place(QWidget* w, const WindowBounds& outer) {
  Wanted& wanted = wanted_[w];
  wanted = Wanted{};
  wanted.outer = toRect(outer);
  const QMargins own = frameOf(w);
  apply(w, wanted, own.isNull() ? lastFrame_ : own);
}

WindowBounds FramePlacer::outer(const QWidget* w) const {
  const auto it = wanted_.find(const_cast<QWidget*>(w));
  if (it != wanted_.end() && !it->second.settled) return toBounds(it->second.outer);
  return toBounds(w->frameGeometry());
}

void FramePlacer::settle() {
  for (auto& [w, wanted] : wanted_) {
    if (wanted.settled || !w->isVisible()) continue;
    if (w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
      wanted.settled = true;  // the window manager places it; moving it would restore it
      continue;
    }
    const QMargins frame = frameOf(w);
    if (!frame.isNull()) lastFrame_ = frame;
    if (w->frameGeometry() == wanted.outer) {
      wanted.settled = true;
    } else if (--wanted.ticksLeft <= 0) {
      // The window manager keeps the window unframed or elsewhere: take its
      // word, after one last try with the frame it shows now.
      if (frame != wanted.assumed) apply(w, wanted, frame);
      wanted.settled = true;
    } else if (!frame.isNull() && frame != wanted.assumed) {
      apply(w, wanted, frame);
    }
  }
}

bool FramePlacer::resizedByPlayer(const QWidget* w, QSize newSize) {
  const auto it = wanted_.find(const_cast<QWidget*>(w));
  if (it == wanted_.end()) return true;
  if (newSize == it->second.inside) return false;
  it->second.settled = true;
  return true;
}

}  // namespace vorlund::app

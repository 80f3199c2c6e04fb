#include "app/frame_placer.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#ifdef VORLUND_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vorlund::app {
namespace {

#ifdef VORLUND_HAVE_XCB
// A reply of the X server, which xcb hands over to be freed by its taker.
struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* x11() {
  auto* app = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return app ? app->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Up to four 32-bit values of a window property; empty when it is not set.
std::vector<std::uint32_t> cardinals(xcb_connection_t* c, xcb_window_t window, const char* name,
                                     xcb_atom_t type) {
  std::vector<std::uint32_t> values;
  const Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom(c, name), type, 0, 4), nullptr));
  if (reply && reply->format == 32) {
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    values.assign(v, v + xcb_get_property_value_length(reply.get()) / 4);
  }
  return values;
}
#endif

// The frame the window manager announces for a window on X11
// (_NET_FRAME_EXTENTS), once it has framed it. Qt keeps its own figure from
// the first time it looks and refreshes it only on the window's next
// configure event, so a window framed just after Qt looked would keep a
// frame of nothing.
std::optional<QMargins> announcedFrame([[maybe_unused]] const QWidget* w) {
#ifdef VORLUND_HAVE_XCB
  xcb_connection_t* c = x11();
  if (!c) return std::nullopt;
  const auto v =
      cardinals(c, static_cast<xcb_window_t>(w->winId()), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
  if (v.size() != 4) return std::nullopt;
  // left, right, top, bottom
  return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                  static_cast<int>(v[3]));
#else
  return std::nullopt;
#endif
}

// Whether a window manager that announces frames runs on the screen: then a
// window is where it belongs only once it has been framed.
bool framingManagerRuns() {
#ifdef VORLUND_HAVE_XCB
  xcb_connection_t* c = x11();
  if (!c) return false;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  return !cardinals(c, root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).empty();
#else
  return false;
#endif
}

QMargins frameOf(const QWidget* w) {
  const QWindow* handle = w->windowHandle();
  if (!handle || !w->isVisible()) return {};
  return announcedFrame(w).value_or(handle->frameMargins());
}

// Where the inside of a window is on the screen, as the X server has it now:
// Qt's own figure may still hold the position it asked for before the
// window was framed.
std::optional<QRect> serverInside([[maybe_unused]] const QWidget* w) {
#ifdef VORLUND_HAVE_XCB
  xcb_connection_t* c = x11();
  if (!c) return std::nullopt;
  const auto window = static_cast<xcb_window_t>(w->winId());
  const Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
  if (!geometry) return std::nullopt;
  const Reply<xcb_translate_coordinates_reply_t> place(xcb_translate_coordinates_reply(
      c, xcb_translate_coordinates(c, window, geometry->root, 0, 0), nullptr));
  if (!place) return std::nullopt;
  return QRect(QPoint(place->dst_x, place->dst_y), QSize(geometry->width, geometry->height));
#else
  return std::nullopt;
#endif
}

// The outer rectangle of a shown window: its inside and the frame round it.
QRect outerOf(const QWidget* w) {
  return serverInside(w).value_or(w->geometry()).marginsAdded(frameOf(w));
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
  if (std::find(wanted.asked.begin(), wanted.asked.end(), wanted.inside) == wanted.asked.end())
    wanted.asked.push_back(wanted.inside);
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
  return toBounds(outerOf(w));
}

void FramePlacer::settle() {
  for (auto& [w, wanted] : wanted_) {
    if (wanted.settled || !w->isVisible()) continue;
    // A minimised window waits, its bounds still those asked for, until it
    // is shown again: framed then, it gets them exactly.
    if (w->windowState() & Qt::WindowMinimized) continue;
    if (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
      wanted.settled = true;  // the window manager places it; moving it would restore it
      continue;
    }
    const QMargins frame = frameOf(w);
    if (!frame.isNull()) lastFrame_ = frame;
    --wanted.ticksLeft;
    const bool framed = announcedFrame(w).has_value() || !framingManagerRuns();
    if (framed && outerOf(w) == wanted.outer) {
      wanted.settled = true;
    } else if (wanted.ticksLeft <= 0) {
      // The window manager keeps the window elsewhere: take its word, after
      // one last try with the frame it shows now.
      apply(w, wanted, frame);
      wanted.settled = true;
    } else if (!frame.isNull() &&
               (frame != wanted.assumed || wanted.ticksLeft % kRetryTicks == 0)) {
      // Framed now, or the manager answered an older request late: ask again.
      apply(w, wanted, frame);
    }
  }
}

bool FramePlacer::resizedByPlayer(const QWidget* w, QSize newSize) {
  const auto it = wanted_.find(const_cast<QWidget*>(w));
  if (it == wanted_.end()) return true;
  Wanted& wanted = it->second;
  if (std::find(wanted.asked.begin(), wanted.asked.end(), newSize) != wanted.asked.end())
    return false;
  wanted.settled = true;
  return true;
}

}  // namespace vorlund::app

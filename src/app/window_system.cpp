#include "app/window_system.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

#ifdef VORLUND_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vorlund::app {

namespace {

// Whether the X server DISPLAY names accepts a connection.
bool xServerAnswers() {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) return false;
#ifdef VORLUND_HAVE_XCB
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const bool answers = xcb_connection_has_error(c) == 0;
  xcb_disconnect(c);
  return answers;
#else
  return false;  // without the library Qt is left to choose
#endif
}

}  // namespace

void preferX11(bool platformChosen) {
  if (platformChosen || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (xServerAnswers()) qputenv("QT_QPA_PLATFORM", "xcb");
}

bool desktopPlacesWindows() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void bringToFront(QWidget* window) {
  if (desktopPlacesWindows() && !window->isActiveWindow()) {
    window->hide();
    window->show();
  }
  window->raise();
  window->activateWindow();
}

}  // namespace vorlund::app

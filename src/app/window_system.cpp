#include "app/window_system.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

#ifdef VORLUND_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vorlund::app {

namespace {

// Whether the X server `display` names (DISPLAY's when empty) accepts a
// connection.
bool xServerAnswers(const std::string& display) {
  const char* name = display.empty() ? std::getenv("DISPLAY") : display.c_str();
  if (!name || !*name) return false;
#ifdef VORLUND_HAVE_XCB
  xcb_connection_t* c = xcb_connect(name, nullptr);
  const bool answers = xcb_connection_has_error(c) == 0;
  xcb_disconnect(c);
  return answers;
#else
  return false;  // without the library Qt is left to choose
#endif
}

}  // namespace

void preferX11(bool platformChosen, const std::string& display) {
  if (platformChosen || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (xServerAnswers(display)) qputenv("QT_QPA_PLATFORM", "xcb");
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

#pragma once
#include <string>

class QWidget;

namespace vorlund::app {

// The game's layout is where its windows stand, and only X lets a program
// place its windows; Wayland leaves that to the desktop. Before QApplication
// exists: where an X server answers (Xwayland beside a Wayland desktop), Qt
// is told to use it, unless the player chose a platform himself
// (QT_QPA_PLATFORM, or -platform when `platformChosen`). `display` is the X
// server named by -display, which Qt then takes instead of DISPLAY's.
void preferX11(bool platformChosen, const std::string& display);

// Whether the desktop places the windows itself (Qt runs on Wayland).
bool desktopPlacesWindows();

// The Log's line when it does.
inline constexpr const char* kDesktopPlacesWindowsLine =
    "The desktop places the windows here (Wayland); F1 .. F4 bring each to the front.";

// Brings a shown window to the front and gives it the keyboard. Where the
// desktop places the windows, a program may neither raise nor activate one;
// a window shown anew is put in front by every such desktop, so one that is
// not already the active window is hidden and shown again.
void bringToFront(QWidget* window);

}  // namespace vorlund::app

#pragma once
#include <string>

#include "state/failure.h"
#include "state/settings_store.h"

namespace vorlund {

enum class WindowId { Main, Us, Them, Names, Log };

// A window's outer bounds, in the order the game sets them.
struct WindowBounds {
  int top = 0;
  int left = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

enum class WindowState { Normal, Minimised, Maximised };

// What the rules ask of the outside world. The app implements it with Qt,
// the sim with NullPlatform, the tests with a spy that records every call.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual WindowBounds bounds(WindowId w) = 0;
  // Sets top, left, width and height in that order.
  virtual void setBounds(WindowId w, const WindowBounds& b) = 0;
  // Makes the window visible and brings it to the front.
  virtual void showWindow(WindowId w) = 0;
  virtual bool isVisible(WindowId w) = 0;
  // Gives the keyboard focus to the window's list or text control.
  virtual void focusWindow(WindowId w) = 0;
  virtual void setCaption(WindowId w, const std::string& caption) = 0;

  virtual WindowState mainWindowState() = 0;
  virtual bool mainWindowActive() = 0;
  virtual void minimiseMainWindow() = 0;
  virtual void maximiseMainWindow() = 0;

  virtual void beep() = 0;
  // The music: play from the start, and pause-or-resume.
  virtual void musicPlay() = 0;
  virtual void musicPauseOrResume() = 0;
  virtual void musicResume() = 0;

  // A failure, after the game has told it its own way (see reportFailure).
  virtual void report(const Failure& failure) = 0;

  // Redraws the arena view (the tick's last step).
  virtual void paintArena() = 0;

  // Lines to scroll per wheel notch as the desktop reports it.
  virtual int wheelScrollLines() = 0;

  virtual SettingsStore& settings() = 0;
};

}  // namespace vorlund

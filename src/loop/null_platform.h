#pragma once
#include <array>
#include <functional>
#include <memory>

#include "loop/memory_settings_store.h"
#include "state/platform.h"

namespace vorlund {

// The platform without a screen, for the sim and the benchmarks: windows are
// rectangles with a visible flag that start where they were designed, there
// is no sound, and failures go to `onFailure` when one is set.
class NullPlatform : public Platform {
 public:
  // Uses the given store, or an empty in-memory one (a first run).
  explicit NullPlatform(std::unique_ptr<SettingsStore> store = nullptr);

  WindowBounds bounds(WindowId w) override { return windowBounds[index(w)]; }
  void setBounds(WindowId w, const WindowBounds& b) override { windowBounds[index(w)] = b; }
  void showWindow(WindowId w) override { visible[index(w)] = true; }
  bool isVisible(WindowId w) override { return visible[index(w)]; }
  void focusWindow(WindowId) override {}
  void setCaption(WindowId, const std::string&) override {}
  WindowState mainWindowState() override { return state; }
  bool mainWindowActive() override { return active; }
  void minimiseMainWindow() override { state = WindowState::Minimised; }
  void maximiseMainWindow() override { state = WindowState::Maximised; }
  void beep() override {}
  void musicPlay() override {}
  void musicPauseOrResume() override {}
  void musicResume() override {}
  void report(const Failure& failure) override;
  void paintArena() override {}
  int wheelScrollLines() override { return scrollLines; }
  SettingsStore& settings() override { return *store_; }

  static int index(WindowId w) { return static_cast<int>(w); }

  std::array<WindowBounds, 5> windowBounds;
  std::array<bool, 5> visible{};
  WindowState state = WindowState::Normal;
  bool active = true;
  int scrollLines = 3;
  std::function<void(const Failure&)> onFailure;

 private:
  std::unique_ptr<SettingsStore> store_;
};

}  // namespace vorlund

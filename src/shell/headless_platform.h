#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "shell/memory_settings_store.h"
#include "shell/platform.h"

namespace vorlund {

// The platform without a screen: windows are rectangles with a visible flag,
// music and beeps are counted, errors go to a list (the sim prints them).
// Every call is also recorded in `calls`, in order, for tests.
class HeadlessPlatform : public Platform {
 public:
  // Uses the given store, or an empty in-memory one (a first run).
  explicit HeadlessPlatform(std::unique_ptr<SettingsStore> store = nullptr);

  WindowBounds bounds(WindowId w) override;
  void setBounds(WindowId w, const WindowBounds& b) override;
  void showWindow(WindowId w) override;
  bool isVisible(WindowId w) override;
  void focusWindow(WindowId w) override;
  void setCaption(WindowId w, const std::string& caption) override;
  WindowState mainWindowState() override { return state; }
  bool mainWindowActive() override { return active; }
  void minimiseMainWindow() override;
  void maximiseMainWindow() override;
  void beep() override;
  void musicPlay() override;
  void musicPauseOrResume() override;
  void musicResume() override;
  void showError(const std::string& message) override;
  void paintArena() override { ++paints; }
  int wheelScrollLines() override { return scrollLines; }
  SettingsStore& settings() override { return *store_; }

  // The designed bounds of the five windows, before any layout.
  static WindowBounds designedBounds(WindowId w);

  std::array<WindowBounds, 5> windowBounds;
  std::array<bool, 5> visible{};
  WindowState state = WindowState::Normal;
  bool active = true;
  int beeps = 0;
  int paints = 0;
  bool musicPlaying = false;
  int scrollLines = 3;
  std::vector<std::string> errors;
  std::vector<std::string> calls;

 private:
  std::unique_ptr<SettingsStore> store_;
};

const char* windowName(WindowId w);

}  // namespace vorlund

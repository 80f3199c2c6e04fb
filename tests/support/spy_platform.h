#pragma once
#include <memory>
#include <string>
#include <vector>

#include "loop/null_platform.h"

namespace vorlund {

// The window's name in the recorded calls: its designed caption.
const char* windowName(WindowId w);

// The platform of the tests: a NullPlatform that also counts beeps, paints
// and the music, keeps every failure in `failures` (and in `errors` the
// messages of those that are more than a Log line: a stopped start-up, a
// beep, a file not saved), and records each call in `calls`, in order
// ("bounds Us 412,0,424,137", "show Log", "error Cannot ...").
class SpyPlatform : public NullPlatform {
 public:
  explicit SpyPlatform(std::unique_ptr<SettingsStore> store = nullptr)
      : NullPlatform(std::move(store)) {}

  void setBounds(WindowId w, const WindowBounds& b) override;
  void showWindow(WindowId w) override {
    NullPlatform::showWindow(w);
    record("show ", w);
  }
  void focusWindow(WindowId w) override { record("focus ", w); }
  void setCaption(WindowId w, const std::string& c) override { record("caption ", w, " " + c); }
  void minimiseMainWindow() override {
    NullPlatform::minimiseMainWindow();
    calls.push_back("minimise");
  }
  void maximiseMainWindow() override {
    NullPlatform::maximiseMainWindow();
    calls.push_back("maximise");
  }
  void beep() override {
    ++beeps;
    calls.push_back("beep");
  }
  void musicPlay() override {
    musicPlaying = true;
    calls.push_back("music play");
  }
  void musicPauseOrResume() override {
    musicPlaying = !musicPlaying;
    calls.push_back("music pause/resume");
  }
  void musicResume() override {
    musicPlaying = true;
    calls.push_back("music resume");
  }
  void report(const Failure& failure) override;
  void paintArena() override { ++paints; }

  int beeps = 0;
  int paints = 0;
  bool musicPlaying = false;
  std::vector<std::string> errors;
  std::vector<Failure> failures;
  std::vector<std::string> calls;

 private:
  void record(const std::string& what, WindowId w, const std::string& more = "") {
    calls.push_back(what + windowName(w) + more);
  }
};

}  // namespace vorlund

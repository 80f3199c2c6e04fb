#include "shell/headless_platform.h"

namespace vorlund {
namespace {

int index(WindowId w) {
  return static_cast<int>(w);
}

std::string boundsText(const WindowBounds& b) {
  return std::to_string(b.top) + "," + std::to_string(b.left) + "," + std::to_string(b.width) +
         "," + std::to_string(b.height);
}

}  // namespace

const char* windowName(WindowId w) {
  switch (w) {
    case WindowId::Main:
      return "Vorlund";
    case WindowId::Us:
      return "Us";
    case WindowId::Them:
      return "Them";
    case WindowId::Names:
      return "Names";
    case WindowId::Log:
      return "Log";
  }
  return "?";
}

WindowBounds HeadlessPlatform::designedBounds(WindowId w) {
  switch (w) {
    case WindowId::Main:
      return {20, 74, 691, 511};
    case WindowId::Us:
      return {419, 0, 383, 138};
    case WindowId::Them:
      return {420, 381, 383, 137};
    case WindowId::Names:
      return {3, 652, 151, 433};
    case WindowId::Log:
      return {4, 3, 140, 418};
  }
  return {};
}

HeadlessPlatform::HeadlessPlatform(std::unique_ptr<SettingsStore> store)
    : store_(store ? std::move(store) : std::make_unique<MemorySettingsStore>()) {
  for (WindowId w : {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    windowBounds[index(w)] = designedBounds(w);
  visible[index(WindowId::Main)] = true;
}

WindowBounds HeadlessPlatform::bounds(WindowId w) {
  return windowBounds[index(w)];
}

void HeadlessPlatform::setBounds(WindowId w, const WindowBounds& b) {
  windowBounds[index(w)] = b;
  calls.push_back(std::string("bounds ") + windowName(w) + " " + boundsText(b));
}

void HeadlessPlatform::showWindow(WindowId w) {
  visible[index(w)] = true;
  calls.push_back(std::string("show ") + windowName(w));
}

bool HeadlessPlatform::isVisible(WindowId w) {
  return visible[index(w)];
}

void HeadlessPlatform::focusWindow(WindowId w) {
  calls.push_back(std::string("focus ") + windowName(w));
}

void HeadlessPlatform::setCaption(WindowId w, const std::string& caption) {
  calls.push_back(std::string("caption ") + windowName(w) + " " + caption);
}

void HeadlessPlatform::minimiseMainWindow() {
  state = WindowState::Minimised;
  calls.push_back("minimise");
}

void HeadlessPlatform::maximiseMainWindow() {
  state = WindowState::Maximised;
  calls.push_back("maximise");
}

void HeadlessPlatform::beep() {
  ++beeps;
  calls.push_back("beep");
}

void HeadlessPlatform::musicPlay() {
  musicPlaying = true;
  calls.push_back("music play");
}

void HeadlessPlatform::musicPauseOrResume() {
  musicPlaying = !musicPlaying;
  calls.push_back("music pause/resume");
}

void HeadlessPlatform::musicResume() {
  musicPlaying = true;
  calls.push_back("music resume");
}

void HeadlessPlatform::showError(const std::string& message) {
  errors.push_back(message);
  calls.push_back("error " + message);
}

}  // namespace vorlund

#include "support/spy_platform.h"

namespace vorlund {
namespace {

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

void SpyPlatform::setBounds(WindowId w, const WindowBounds& b) {
  NullPlatform::setBounds(w, b);
  calls.push_back(std::string("bounds ") + windowName(w) + " " + boundsText(b));
}

void SpyPlatform::showWindow(WindowId w) {
  NullPlatform::showWindow(w);
  calls.push_back(std::string("show ") + windowName(w));
}

void SpyPlatform::focusWindow(WindowId w) {
  calls.push_back(std::string("focus ") + windowName(w));
}

void SpyPlatform::setCaption(WindowId w, const std::string& caption) {
  calls.push_back(std::string("caption ") + windowName(w) + " " + caption);
}

void SpyPlatform::minimiseMainWindow() {
  NullPlatform::minimiseMainWindow();
  calls.push_back("minimise");
}

void SpyPlatform::maximiseMainWindow() {
  NullPlatform::maximiseMainWindow();
  calls.push_back("maximise");
}

void SpyPlatform::beep() {
  ++beeps;
  calls.push_back("beep");
}

void SpyPlatform::musicPlay() {
  musicPlaying = true;
  calls.push_back("music play");
}

void SpyPlatform::musicPauseOrResume() {
  musicPlaying = !musicPlaying;
  calls.push_back("music pause/resume");
}

void SpyPlatform::musicResume() {
  musicPlaying = true;
  calls.push_back("music resume");
}

void SpyPlatform::report(const Failure& failure) {
  if (failure.kind != Failure::Kind::Logged) errors.push_back(failure.message);
  failures.push_back(failure);
  calls.push_back("error " + failure.message);
  NullPlatform::report(failure);
}

}  // namespace vorlund

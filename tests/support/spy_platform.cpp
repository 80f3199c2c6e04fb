#include "support/spy_platform.h"

namespace vorlund {

const char* windowName(WindowId w) {
  static const char* const names[] = {"Vorlund", "Us", "Them", "Names", "Log"};
  return names[static_cast<int>(w)];
}

void SpyPlatform::setBounds(WindowId w, const WindowBounds& b) {
  NullPlatform::setBounds(w, b);
  record("bounds ", w,
         " " + std::to_string(b.top) + "," + std::to_string(b.left) + "," +
             std::to_string(b.width) + "," + std::to_string(b.height));
}

void SpyPlatform::report(const Failure& failure) {
  if (failure.kind != Failure::Kind::Logged) errors.push_back(failure.message);
  failures.push_back(failure);
  calls.push_back("error " + failure.message);
  NullPlatform::report(failure);
}

}  // namespace vorlund

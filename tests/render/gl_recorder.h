#pragma once
// A stand-in for the GL entry points the components use: each call is
// written down as text, and glGetError hands out the errors a test queues.
// The test program defines these functions itself, so the components call
// them instead of the driver's and no context is needed.
#include <deque>
#include <string>
#include <vector>

namespace vorlund::render::test {

struct GlRecorder {
  std::vector<std::string> calls;
  std::deque<unsigned> errors;
  void clear() {
    calls.clear();
    errors.clear();
  }
};

GlRecorder& gl();

}  // namespace vorlund::render::test

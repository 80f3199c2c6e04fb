#pragma once
#include <memory>
#include <string>
#include <vector>

#include "loop/null_platform.h"

namespace vorlund {

// The platform of the tests: a NullPlatform that also counts beeps and
// paints, keeps every failure in `failures` (and in `errors` the messages of
// those that are more than a Log line: a stopped start-up, a beep, a file not
// saved), and the windows it placed, in order, in `placed`.
class SpyPlatform : public NullPlatform {
 public:
  explicit SpyPlatform(std::unique_ptr<SettingsStore> store = nullptr)
      : NullPlatform(std::move(store)) {}

  void setBounds(WindowId w, const WindowBounds& b) override {
    NullPlatform::setBounds(w, b);
    placed.push_back(w);
  }
  void beep() override { ++beeps; }
  void report(const Failure& failure) override;
  void paintArena() override { ++paints; }

  int beeps = 0;
  int paints = 0;
  std::vector<std::string> errors;
  std::vector<Failure> failures;
  std::vector<WindowId> placed;
};

}  // namespace vorlund

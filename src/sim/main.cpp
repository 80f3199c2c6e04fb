#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "sim/sim_session.h"

namespace {

bool parseSeed(const char* text, unsigned& seed) {
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (end == text || *end != '\0' || v > 0xFFFFFFFFull || text[0] == '-') return false;
  seed = static_cast<unsigned>(v);
  return true;
}

int usageError(const std::string& message) {
  std::cerr << "vorlund-sim: " << message << "\n"
            << "usage: vorlund-sim [--seed N] [--settings FILE] [--dir DIR]\n"
            << "       vorlund-sim --replay FILE [--dir DIR] [--settings FILE]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using vorlund::sim::SimOptions;
  SimOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      std::cout << vorlund::sim::helpText();
      return 0;
    }
    if (arg == "--version") {
      std::cout << "vorlund-sim " VORLUND_VERSION "\n";
      return 0;
    }
    if (arg != "--seed" && arg != "--settings" && arg != "--dir" && arg != "--replay")
      return usageError("unknown option " + arg);
    if (i + 1 >= argc) return usageError(arg + " needs a value");
    const char* value = argv[++i];
    if (arg == "--seed") {
      if (!parseSeed(value, options.seed)) return usageError("bad seed " + std::string(value));
      options.seeded = true;
    } else if (arg == "--settings") {
      options.settingsFile = value;
    } else if (arg == "--replay") {
      options.replay = value;
    } else {
      options.dir = value;
      options.dirGiven = true;
    }
  }
  if (options.seeded && !options.replay.empty())
    return usageError("--seed and --replay do not go together: a recording has its own seed");
  if (!options.seeded)
    options.seed = static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() & 0xFFFFFFFFu);

  vorlund::sim::SimSession session(options, std::cout, std::cerr);
  return options.replay.empty() ? session.run(std::cin) : session.replay(std::cin);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "loop/folder_hold.h"
#include "loop/game_files.h"
#include "loop/version_text.h"
#include "settings/settings_path.h"
#include "sim/command_input.h"
#include "sim/sim_session.h"

namespace {

bool parseSeed(const char* text, unsigned& seed) {
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (end == text || *end != '\0' || v > 0xFFFFFFFFull || text[0] == '-') return false;
  seed = static_cast<unsigned>(v);
  return true;
}

// Another program plays in the game folder.
constexpr int kExitFolderHeld = 3;

int usageError(const std::string& message) {
  std::cerr << "vorlund-sim: " << message << "\n" << vorlund::sim::usageText();
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
      std::cout << vorlund::versionText("vorlund-sim", VORLUND_VERSION);
      return 0;
    }
    if (arg.size() < 2 || arg[0] != '-') return usageError("unexpected argument \"" + arg + "\"");
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
  if (!options.settingsFile.empty()) {
    std::optional<vorlund::Failure> fault =
        vorlund::settingsPathFault(options.settingsFile, false);
    if (!fault && vorlund::isGameFile(options.dir, {}, options.settingsFile))
      fault = vorlund::Failure::logged("it is one of the game's own files");
    if (fault) {
      std::cerr << "vorlund-sim: cannot keep the settings in " << options.settingsFile << ": "
                << fault->message << "\n";
      return vorlund::sim::kExitBadInput;
    }
  }
  // A replay without --dir plays in a temporary folder of its own.
  const bool ownFolder = options.replay.empty() || options.dirGiven;
  const vorlund::FolderHold hold =
      ownFolder ? vorlund::FolderHold::take(options.dir) : vorlund::FolderHold();
  if (hold.refused()) {
    std::cerr << "vorlund-sim: " << hold.refusal() << "\n";
    return kExitFolderHeld;
  }

  vorlund::sim::SimSession session(options, std::cout, std::cerr);
  vorlund::sim::CommandInput input(STDIN_FILENO);
  std::istream commands(&input);
  const int code = options.replay.empty() ? session.run(commands) : session.replay(commands);
  // Ended by SIGTERM, SIGHUP or SIGINT: the close a player's script would end with.
  if (code == 0 && input.interrupted() && !session.stopped()) return session.execute("close").exitCode;
  return code;
}

#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vorlund::app {

// What the player asked for on the command line of `vorlund`. Options the
// game does not know are left to Qt (-platform, -display, ...).
struct CommandLine {
  enum class Action { Play, Help, Version, Refuse };
  Action action = Action::Play;
  // --speed N or --speed=N: ticks per second for this run only.
  std::optional<int> speed;
  // --replay FILE: a recording to watch instead of a game to play.
  std::optional<std::string> replay;
  // Why the command line was refused, for standard error.
  std::string error;
};

// `args` without the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

}  // namespace vorlund::app

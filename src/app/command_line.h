#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vorlund::app {

// The usage line, the first line of --help and of every refusal alike.
extern const char* const kUsage;

// What the player asked for on the command line of `vorlund`. Besides the
// game's own options, Qt's (-platform NAME, -display NAME, -reverse, ...)
// are taken as they are and left in argv for QApplication; anything else is
// refused before any window opens.
struct CommandLine {
  enum class Action { Play, Help, Version, Refuse };
  Action action = Action::Play;
  // --speed N or --speed=N: ticks per second for this run only.
  std::optional<int> speed;
  // -platform NAME: the player chose Qt's platform himself.
  bool platformChosen = false;
  // -display NAME: the X server the player named instead of DISPLAY's.
  std::string display;
  // --replay FILE: a recording to watch instead of a game to play.
  std::optional<std::string> replay;
  // Why the command line was refused, for standard error.
  std::string error;
};

// `args` without the program's name, read in order: the first --help,
// --version or fault decides.
CommandLine parseCommandLine(const std::vector<std::string>& args);

}  // namespace vorlund::app

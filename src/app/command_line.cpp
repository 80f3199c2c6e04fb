#include "app/command_line.h"

#include <charconv>

#include "shell/settings.h"

namespace vorlund::app {
namespace {

const std::string kSpeedOption = "--speed";

std::string speedRange() {
  return "a whole number of ticks per second from " + std::to_string(kSlowestSpeed) + " to " +
         std::to_string(kFastestSpeed) + " (" + std::to_string(kDesignedSpeed) +
         " is the designed pace)";
}

bool parseSpeed(const std::string& text, CommandLine& line) {
  long long v = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, ec] = std::from_chars(first, last, v);
  if (text.empty() || ec != std::errc() || end != last || !speedInRange(v)) {
    line.action = CommandLine::Action::Refuse;
    line.error = "--speed takes " + speedRange() + ", not \"" + text + "\"";
    return false;
  }
  line.speed = static_cast<int>(v);
  return true;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      line.action = CommandLine::Action::Help;
      return line;
    }
    if (arg == "--version") {
      line.action = CommandLine::Action::Version;
      return line;
    }
    if (arg == kSpeedOption) {
      if (i + 1 >= args.size()) {
        line.action = CommandLine::Action::Refuse;
        line.error = "--speed needs " + speedRange();
        return line;
      }
      if (!parseSpeed(args[++i], line)) return line;
    } else if (arg.starts_with(kSpeedOption + "=")) {
      if (!parseSpeed(arg.substr(kSpeedOption.size() + 1), line)) return line;
    } else if (arg == "--replay" || arg.starts_with("--replay=")) {
      const bool joined = arg != "--replay";
      if (!joined && i + 1 >= args.size()) {
        line.action = CommandLine::Action::Refuse;
        line.error = "--replay needs a recording, such as last-game.vsim";
        return line;
      }
      line.replay = joined ? arg.substr(std::string("--replay=").size()) : args[++i];
    }
  }
  return line;
}

}  // namespace vorlund::app

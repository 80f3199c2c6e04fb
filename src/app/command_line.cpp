#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "shell/settings.h"

namespace vorlund::app {

const char* const kUsage = "Usage: vorlund [--speed N] [--replay FILE] [QT-OPTION]...\n";

namespace {

const std::string kSpeedOption = "--speed";

// Qt's own options, as QGuiApplication and QApplication read them (with one
// dash or two): whether each takes the next argument as its value, and
// whether it may carry it after an equals sign instead (-style=fusion).
struct QtOption {
  std::string_view name;
  bool takesValue;
  bool equalsForm = false;
};
constexpr std::array<QtOption, 17> kQtOptions{{
    {"platform", true},      {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},        {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},  {"session", true},            {"display", true},
    {"geometry", true},      {"style", true, true},        {"stylesheet", true, true},
    {"reverse", false},      {"widgetcount", false},       {"nograb", false},
    {"dograb", false},       {"sync", false},
}};

// The Qt option `arg` names ("-platform", "--platform", "-style=fusion"),
// and whether its value is inside it.
const QtOption* qtOption(std::string_view arg, bool& valueInside) {
  if (arg.starts_with("--"))
    arg.remove_prefix(2);
  else if (arg.starts_with("-"))
    arg.remove_prefix(1);
  else
    return nullptr;
  const std::size_t equals = arg.find('=');
  valueInside = equals != std::string_view::npos;
  const std::string_view name = arg.substr(0, equals);
  const auto* found = std::find_if(kQtOptions.begin(), kQtOptions.end(),
                                   [&](const QtOption& o) { return o.name == name; });
  if (found == kQtOptions.end() || (valueInside && !found->equalsForm)) return nullptr;
  return found;
}

std::string speedRange() {
  return "a whole number of ticks per second from " + std::to_string(kSlowestSpeed) + " to " +
         std::to_string(kFastestSpeed) + " (" + std::to_string(kDesignedSpeed) +
         " is the designed pace)";
}

CommandLine refused(std::string why) {
  CommandLine line;
  line.action = CommandLine::Action::Refuse;
  line.error = std::move(why);
  return line;
}

std::optional<int> parseSpeed(const std::string& text) {
  long long v = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, ec] = std::from_chars(first, last, v);
  if (text.empty() || ec != std::errc() || end != last || !speedInRange(v)) return std::nullopt;
  return static_cast<int>(v);
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasNext = i + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      line.action = CommandLine::Action::Help;
      return line;
    }
    if (arg == "--version") {
      line.action = CommandLine::Action::Version;
      return line;
    }
    if (arg == kSpeedOption || arg.starts_with(kSpeedOption + "=")) {
      if (arg == kSpeedOption && !hasNext) return refused("--speed needs " + speedRange());
      const std::string value = arg == kSpeedOption ? args[++i] : arg.substr(kSpeedOption.size() + 1);
      line.speed = parseSpeed(value);
      if (!line.speed) return refused("--speed takes " + speedRange() + ", not \"" + value + "\"");
      continue;
    }
    if (arg == "--replay" || arg.starts_with("--replay=")) {
      const bool joined = arg != "--replay";
      if (!joined && !hasNext) return refused("--replay needs a recording, such as last-game.vsim");
      line.replay = joined ? arg.substr(std::string("--replay=").size()) : args[++i];
      continue;
    }
    bool valueInside = false;
    if (const QtOption* qt = qtOption(arg, valueInside)) {
      if (qt->takesValue && !valueInside) {
        if (!hasNext) return refused(arg + " needs a value");
        ++i;
      }
      if (qt->name == "platform") line.platformChosen = true;
      if (qt->name == "display") line.display = args[i];
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') return refused("unknown option " + arg);
    return refused("unexpected argument \"" + arg + "\"");
  }
  return line;
}

}  // namespace vorlund::app

#include "sim/sim_session.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "combat/fight_odds.h"
#include "fighters/character_properties.h"
#include "management/names_window.h"
#include "panels/log_file.h"
#include "panels/text_keys.h"
#include "panels/tiling.h"
#include "settings/qt_settings_store.h"
#include "shell/data_folder.h"
#include "shell/failure.h"
#include "shell/game_files.h"
#include "shell/input.h"
#include "shell/pointer_input.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "sim/sim_state.h"
#include "sim/sim_words.h"

namespace vorlund::sim {
namespace {

const char* kUsage =
    "usage: vorlund-sim [--seed N] [--settings FILE] [--dir DIR]\n"
    "       vorlund-sim --help | --version\n";

const char* kHelp =
    "\n"
    "Runs Vorlund headless in DIR (default: the current directory). Commands come on\n"
    "standard input, one per line; blank lines and lines starting with # are skipped.\n"
    "The game records every game it plays as such a script, last-game.vsim in its\n"
    "folder: 'vorlund-sim --dir COPY < last-game.vsim' plays it again on COPY, a copy\n"
    "of the folder as it was when that game started.\n"
    "Every Log line is echoed as 'log: TEXT' ('-- log cleared' when the Log is emptied);\n"
    "every failure the game reports is printed on standard error when it happens.\n"
    "SIGTERM, SIGHUP and SIGINT end the input and run 'close'. Exit status 3: another\n"
    "program plays in DIR (one game or sim at a time may play in a folder).\n"
    "A count beyond 1000000 ticks (tick, fight) or 10000 fights (odds), and a fighter\n"
    "value beyond its sane range (set), are refused as bad input.\n"
    "\n"
    "  tick [N]                  run N ticks of the main loop (default 1)\n"
    "  fight [MAX]               run ticks until no fight is running, at most MAX (default "
    "100000)\n"
    "  click TEXT                mouse-down on the first Names line equal to TEXT\n"
    "  click #I                  mouse-down on Names line I (0-based); past the end clicks below\n"
    "  key CODE [shift] [ctrl] [alt]   a key on the arena view (Windows virtual-key number)\n"
    "  pick NAME [right|middle] [ctrl] [alt]\n"
    "                            a press on the arena view that hit the selection name NAME\n"
    "                            (a cell, 100000 + a ring cell, 800000 + a neighbour cell):\n"
    "                            a drag starts there and NAME goes to the row editor\n"
    "  pick none                 a press on the arena view that hit nothing: a drag starts\n"
    "  drag DX DY WIDTH HEIGHT   the pointer, held down, is DX DY pixels from the press in a\n"
    "                            main window of that client size: the view turns\n"
    "  mouse-up                  the button is let go: the drag ends\n"
    "  wheel DELTA               wheel movement (120 a notch, positive away from the player)\n"
    "  text-key CODE             a key in a text window: Esc (27), F1..F4 (112..115)\n"
    "  resize WINDOW TOP LEFT WIDTH HEIGHT\n"
    "                            the player resized a window (main, us, them, names, log)\n"
    "                            to these outer bounds: the others are tiled round it\n"
    "  ring CELL                 print 'ring CELL COUNT' and the cell's ring entries\n"
    "  neighbours CELL           print 'neighbours CELL COUNT' and the cell's neighbours\n"
    "  log-click                 mouse-down in the Log: pauses or resumes the fight\n"
    "  save-log NAME             save the Log's lines as UTF-8 text to the file NAME of the\n"
    "                            game folder (Ctrl+S in the Log window)\n"
    "  names                     print the Names state, selection and lines\n"
    "  sheet us | sheet them     print the sheet's caption and its six lines\n"
    "  state                     print the game state as one line of JSON\n"
    "  graves                    print the graveyard\n"
    "  set SLOT PROPERTY VALUE   set one fighter property of slot 1..8\n"
    "  seed N                    reseed the random generator; as the first command: start\n"
    "                            the game with seed N, as --seed N does\n"
    "  purses C1 ... C8          the eight purses, as the settings give them at the start\n"
    "  betrayal true|false       the Betrayal flag, as the settings give it at the start\n"
    "  wheel-lines N             the lines a wheel notch scrolls, as the desktop says\n"
    "  odds N                    play the arena pair N times to the death aside and print\n"
    "                            odds N wins1=A wins2=B other=C (the game is untouched);\n"
    "                            a pair that cannot fight prints odds N refused: WHY\n"
    "  expect ...                check the game (below); on a mismatch print the script line\n"
    "                            and exit 1\n"
    "  close                     run the shutdown (save everything), then exit 0, or exit 1\n"
    "                            naming every file that could not be saved\n"
    "  quit                      exit 0 without saving (as does the end of input)\n"
    "\n"
    "Expectations (TEXT is everything after the blank that ends the word before it):\n"
    "  expect log TEXT           a Log line equal to TEXT was appended after the line the\n"
    "                            last 'expect log' found (for the first one: since the start)\n"
    "  expect no-log TEXT        no such line was appended after that line\n"
    "  expect names TEXT         some Names line equals TEXT\n"
    "  expect names #I TEXT      Names line I (0-based) equals TEXT\n"
    "  expect names-header TEXT  the first line 'names' prints, less 'names ', equals TEXT\n"
    "  expect state KEY VALUE    a key of the 'state' line has this JSON value\n"
    "  expect fighter SLOT PROPERTY VALUE   a fighter property (strings without quotes)\n"
    "  expect sheet us|them N TEXT   line N of the sheet (0 the caption, 1..6 the form),\n"
    "                            trailing blanks ignored\n"
    "  expect file NAME has TEXT | lacks TEXT | lines N   a text file of the game folder\n"
    "  expect file NAME bytes N | is file|folder|fifo|link|missing   its size, or what it is\n"
    "  expect setting IDENT N    the settings hold N under MainForm's IDENT\n"
    "  expect folder NAME...     the game folder holds exactly these files\n"
    "  expect odds N TEXT        'odds N' would print 'odds N ' and TEXT\n"
    "  expect ring CELL TEXT     'ring CELL' would print 'ring CELL ' and TEXT\n"
    "  expect neighbours CELL TEXT   'neighbours CELL' would print 'neighbours CELL ' and TEXT\n";

}  // namespace

const char* usageText() {
  return kUsage;
}

const char* helpText() {
  static const std::string text = std::string(kUsage) + kHelp;
  return text.c_str();
}

SimSession::SimSession(const SimOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err) {
  std::unique_ptr<SettingsStore> store;
  if (!options.settingsFile.empty())
    store = std::make_unique<QtSettingsStore>(options.settingsFile, executableFolder());
  platform_ = std::make_unique<NullPlatform>(std::move(store));
  // Told at once, so that an error stands next to the command that caused it.
  platform_->onFailure = [this](const Failure& f) {
    out_.flush();
    err_ << "vorlund-sim: " << describe(f) << '\n';
    if (f.kind == Failure::Kind::NotSaved) unsaved_.push_back(f.file);
  };
  game_ = std::make_unique<Game>();
  game_->dir = options.dir;
  game_->platform = platform_.get();
  game_->log.echo = [this](const std::string* line) {
    if (line) {
      out_ << "log: " << *line << '\n';
      logHistory_.push_back(*line);
    } else {
      out_ << "-- log cleared\n";
    }
  };
}

bool SimSession::start() {
  started_ = true;
  // Play would change what the package owns and an upgrade replaces.
  if (isInstalledDataFolder(game_->dir, installedDataFolders())) {
    err_ << "vorlund-sim: " << game_->dir.string()
         << " is the installed game data, never a game folder: play in a copy of it\n";
    return false;
  }
  return startGame(*game_, options_.seed);
}

void SimSession::forgetScript() {
  logHistory_.clear();
  logRead_ = 0;
  unsaved_.clear();
  badExpect_.clear();
  lineNumber_ = 0;
}

// The game starts when the first command comes. When that is `seed N`, the
// game starts with seed N, as a recording begins: the Names window seeds the
// generator at the start, and a list without names gets a name made up from
// that seed, so a reseed after the start would not be the same game.
int SimSession::run(std::istream& in) {
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!started_ && !line.empty() && line[0] != '#') {
      const auto [command, args] = firstWord(line);
      long long v = 0;
      const bool startSeed = command == "seed" && parseInt(args, v) && v >= 0 && v <= 0xFFFFFFFFll;
      if (startSeed) options_.seed = static_cast<unsigned>(v);
      if (!start()) return kExitFailed;
      if (startSeed) continue;
    }
    const CommandResult r = execute(line, number);
    out_.flush();
    if (r.stop) return r.exitCode;
  }
  if (!started_ && !start()) return kExitFailed;
  return 0;
}

CommandResult SimSession::badArgument(const std::string& what) {
  err_ << "vorlund-sim: " << (lineNumber_ > 0 ? "line " + std::to_string(lineNumber_) + ": " : "")
       << what << '\n';
  return {true, kExitBadInput};
}

CommandResult SimSession::execute(const std::string& line, int lineNumber) {
  lineNumber_ = lineNumber;
  if (line.empty() || line[0] == '#') return {};
  const auto [command, args] = firstWord(line);
  if (command == "expect") return expect(args);
  if (command == "tick") return tick(args);
  if (command == "fight") return fight(args);
  if (command == "click") return click(args);
  if (command == "key") return key(args);
  if (command == "pick") return pick(args);
  if (command == "drag") return drag(args);
  if (command == "wheel") return wheel(args);
  if (command == "text-key") return textKey(args);
  if (command == "resize") return resize(args);
  if (command == "purses") return purses(args);
  if (command == "betrayal") return betrayal(args);
  if (command == "wheel-lines") return wheelLines(args);
  if (command == "ring") return printRow(args, true);
  if (command == "neighbours") return printRow(args, false);
  if (command == "set") return set(args);
  if (command == "seed") return seed(args);
  if (command == "odds") return odds(args);
  if (command == "save-log") return saveLog(args);
  static constexpr std::string_view kBare[] = {"names",    "state", "graves", "log-click",
                                               "mouse-up", "close", "quit"};
  if (command != "sheet" &&
      std::find(std::begin(kBare), std::end(kBare), command) == std::end(kBare))
    return badArgument("unknown command: " + line);
  if (!args.empty() && command != "sheet") return badArgument("unexpected argument: " + line);
  if (command == "names")
    printNames();
  else if (command == "sheet" && args == "us")
    printSheet(game_->us);
  else if (command == "sheet" && args == "them")
    printSheet(game_->them);
  else if (command == "sheet")
    return badArgument("sheet takes us or them: " + line);
  else if (command == "state")
    printState();
  else if (command == "graves")
    printGraves();
  else if (command == "log-click")
    logMouseDown(*game_);
  else if (command == "mouse-up")
    formMouseUp(*game_);
  else if (command == "close")
    return close();
  else if (command == "quit")
    return {true, 0};
  return {};
}

CommandResult SimSession::close() {
  unsaved_.clear();
  formClose(*game_);
  if (unsaved_.empty()) return {true, 0};
  err_ << "vorlund-sim: not saved:";
  for (const auto& file : unsaved_) err_ << ' ' << file;
  err_ << '\n';
  return {true, kExitFailed};
}

// A count of 0..most, or nothing when the text is not one.
std::optional<long long> SimSession::count(const std::string& text, long long most,
                                           const char* what) {
  long long n = 0;
  if (!parseInt(text, n) || n < 0) {
    badArgument(std::string("bad ") + what + ": " + text);
    return std::nullopt;
  }
  if (n > most) {
    badArgument(std::string("bad ") + what + ": " + text + " (at most " + std::to_string(most) +
                ")");
    return std::nullopt;
  }
  return n;
}

CommandResult SimSession::tick(const std::string& args) {
  long long n = 1;
  if (!args.empty()) {
    const std::optional<long long> c = count(args, kMostTicks, "tick count");
    if (!c) return {true, kExitBadInput};
    n = *c;
  }
  for (long long i = 0; i < n; ++i) timer1Timer(*game_);
  return {};
}

CommandResult SimSession::odds(const std::string& args) {
  const std::optional<long long> n = count(args, kMostFights, "fight count");
  if (!n) return {true, kExitBadInput};
  out_ << oddsText(*n) << '\n';
  return {};
}

// A pair that cannot fight has no odds: counting would report a sure win.
std::string SimSession::oddsText(long long n) const {
  const OddsSetup setup = takeOddsSetup(*game_);
  if (!setup.refusal.empty()) return "odds " + std::to_string(n) + " refused: " + setup.refusal;
  const FightOdds o = countOdds(setup, 0, n).value_or(FightOdds{});
  return "odds " + std::to_string(n) + " wins1=" + std::to_string(o.wins1) +
         " wins2=" + std::to_string(o.wins2) + " other=" + std::to_string(o.other);
}

// Only a bare file name: a script never writes outside the game folder.
CommandResult SimSession::saveLog(const std::string& name) {
  const std::filesystem::path file(name);
  if (name.empty() || file.has_parent_path() || name == "." || name == "..")
    return badArgument("save-log takes a file name of the game folder: " + name);
  if (isGameFile(game_->dir, options_.settingsFile, gameFile(*game_, name)))
    return badArgument("save-log will not write over the game's own file " + name);
  if (const FileResult r = saveLogFile(game_->log.lines(), gameFile(*game_, name)); !r) {
    out_.flush();
    // Told, not logged: the Log is what was being saved.
    err_ << "vorlund-sim: "
         << describe(Failure::notSaved(name, "Cannot create file " + name, r.reason())) << '\n';
  }
  return {};
}

CommandResult SimSession::fight(const std::string& args) {
  long long max = 100000;
  if (!args.empty()) {
    const std::optional<long long> c = count(args, kMostTicks, "tick limit");
    if (!c) return {true, kExitBadInput};
    max = *c;
  }
  for (long long i = 0; i < max && game_->turnCounter != 0; ++i) timer1Timer(*game_);
  return {};
}

CommandResult SimSession::click(const std::string& text) {
  const auto& lines = game_->names.lines();
  long long index = -1;
  if (text.size() > 1 && text[0] == '#' && parseInt(text.substr(1), index)) {
    if (index < 0) return badArgument("bad line index: " + text);
    if (index > static_cast<long long>(lines.size())) index = static_cast<long long>(lines.size());
  } else {
    index = static_cast<long long>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == text) {
        index = static_cast<long long>(i);
        break;
      }
    if (index == static_cast<long long>(lines.size()))
      err_ << "vorlund-sim: no line \"" << text << "\"\n";
  }
  clickNames(*game_, static_cast<int>(index));
  return {};
}

CommandResult SimSession::key(const std::string& args) {
  std::istringstream words(args);
  std::string word;
  long long code = 0;
  if (!(words >> word) || !parseInt(word, code) || code < 0 || code > 255)
    return badArgument("bad key code: " + args);
  KeyModifiers mods;
  while (words >> word) {
    if (word == "shift")
      mods.shift = true;
    else if (word == "ctrl")
      mods.ctrl = true;
    else if (word == "alt")
      mods.alt = true;
    else
      return badArgument("bad key modifier: " + word);
  }
  formKeyDown(*game_, static_cast<int>(code), mods);
  return {};
}

// The press starts a drag from where it was; the sim keeps no pixels, so a
// drag's offsets are from the press.
CommandResult SimSession::pick(const std::string& args) {
  if (args == "none") {
    formMouseDown(*game_, 0.0, 0.0);
    return {};
  }
  std::istringstream words(args);
  std::string word;
  long long name = 0;
  if (!(words >> word) || !parseInt(word, name) || name < 0 || name > 0xFFFFFFFFll)
    return badArgument("bad selection name: " + args);
  MouseButton button = MouseButton::Left;
  KeyModifiers mods;
  while (words >> word) {
    if (word == "right")
      button = MouseButton::Right;
    else if (word == "middle")
      button = MouseButton::Middle;
    else if (word == "ctrl")
      mods.ctrl = true;
    else if (word == "alt")
      mods.alt = true;
    else
      return badArgument("bad pick modifier: " + word);
  }
  formMouseDown(*game_, 0.0, 0.0);
  pickAction(*game_, button, mods, static_cast<std::uint32_t>(name));
  return {};
}

CommandResult SimSession::drag(const std::string& args) {
  std::istringstream words(args);
  std::string dx, dy, width, height, extra;
  double x = 0.0, y = 0.0;
  long long w = 0, h = 0;
  if (!(words >> dx >> dy >> width >> height) || (words >> extra) || !parseReal(dx, x) ||
      !parseReal(dy, y) || !parseInt(width, w) || !parseInt(height, h) || w < 0 || h < 0 ||
      w > INT32_MAX || h > INT32_MAX)
    return badArgument("bad drag: " + args);
  formMouseMove(*game_, x, y, static_cast<double>(w), static_cast<double>(h), kDesignedFrustum);
  return {};
}

CommandResult SimSession::wheel(const std::string& args) {
  long long delta = 0;
  if (!parseInt(args, delta) || delta < INT32_MIN || delta > INT32_MAX)
    return badArgument("bad wheel movement: " + args);
  mouseWheel(*game_, static_cast<int>(delta));
  return {};
}

CommandResult SimSession::textKey(const std::string& args) {
  long long code = 0;
  if (!parseInt(args, code) || code < 0 || code > 255) return badArgument("bad key code: " + args);
  textWindowKey(*game_, static_cast<int>(code));
  return {};
}

CommandResult SimSession::resize(const std::string& args) {
  static constexpr std::pair<const char*, WindowId> kWindows[] = {{"main", WindowId::Main},
                                                                  {"us", WindowId::Us},
                                                                  {"them", WindowId::Them},
                                                                  {"names", WindowId::Names},
                                                                  {"log", WindowId::Log}};
  std::istringstream words(args);
  std::string name, extra;
  std::string numbers[4];
  long long v[4] = {};
  if (!(words >> name >> numbers[0] >> numbers[1] >> numbers[2] >> numbers[3]) || (words >> extra))
    return badArgument("bad resize: " + args);
  for (int i = 0; i < 4; ++i)
    if (!parseInt(numbers[i], v[i]) || v[i] < INT32_MIN || v[i] > INT32_MAX)
      return badArgument("bad resize: " + args);
  const auto* found = std::find_if(std::begin(kWindows), std::end(kWindows),
                                   [&](const auto& w) { return name == w.first; });
  if (found == std::end(kWindows)) return badArgument("no window " + name);
  const WindowBounds b{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                       static_cast<int>(v[3])};
  platform_->setBounds(found->second, b);
  if (found->second == WindowId::Main)
    mainWindowResized(*game_);
  else
    textWindowResized(*game_, found->second);
  return {};
}

CommandResult SimSession::purses(const std::string& args) {
  std::istringstream words(args);
  std::string word;
  std::int32_t coins[kSlotCount] = {};
  int n = 0;
  for (long long v = 0; words >> word; ++n) {
    if (n == kSlotCount || !parseInt(word, v) || v < INT32_MIN || v > INT32_MAX)
      return badArgument("purses takes eight whole numbers: " + args);
    coins[n] = static_cast<std::int32_t>(v);
  }
  if (n != kSlotCount) return badArgument("purses takes eight whole numbers: " + args);
  for (int s = 1; s <= kSlotCount; ++s) slot(*game_, s).Coin = coins[s - 1];
  return {};
}

CommandResult SimSession::betrayal(const std::string& args) {
  if (args != "true" && args != "false")
    return badArgument("betrayal takes true or false: " + args);
  game_->betrayal = args == "true";
  return {};
}

// The desktop's answer, with the rule the start-up applies to it.
CommandResult SimSession::wheelLines(const std::string& args) {
  long long n = 0;
  if (!parseInt(args, n)) return badArgument("bad wheel lines: " + args);
  game_->wheelScrollLines = n < 0 || n > 100 ? 3 : static_cast<std::int32_t>(n);
  return {};
}

CommandResult SimSession::printRow(const std::string& args, bool ringRow) {
  long long cell = 0;
  if (!parseInt(args, cell) || cell < 1 || cell > kSphereCellCount)
    return badArgument("bad cell: " + args);
  out_ << rowLine(*game_, static_cast<std::int32_t>(cell), ringRow) << '\n';
  return {};
}

CommandResult SimSession::set(const std::string& args) {
  const auto [slotText, rest] = firstWord(args);
  // Plain names, not a structured binding, for the lambda below to see.
  const std::pair<std::string, std::string> nameAndValue = firstWord(rest);
  const std::string& name = nameAndValue.first;
  const std::string& value = nameAndValue.second;
  long long s = 0;
  if (!parseInt(slotText, s) || s < 1 || s > kSlotCount) return badArgument("bad slot: " + args);
  const CharacterProperty* p = findCharacterProperty(name);
  if (!p) return badArgument("no property " + name);
  TCharacterDMG& c = slot(*game_, static_cast<int>(s));
  bool ok = true;
  std::visit(
      [&](auto member) {
        using T = std::decay_t<decltype(c.*member)>;
        long long v = 0;
        if constexpr (std::is_same_v<T, ShortString>) {
          c.*member = value;
        } else if constexpr (std::is_same_v<T, bool>) {
          if (value == "true" || value == "1")
            c.*member = true;
          else if (value == "false" || value == "0")
            c.*member = false;
          else
            ok = false;
        } else {
          ok = parseInt(value, v) && p->allows(v);
          if (ok) c.*member = static_cast<std::int32_t>(v);
        }
      },
      p->member);
  if (!ok && std::holds_alternative<std::int32_t TCharacterDMG::*>(p->member))
    return badArgument("bad value for " + name + ": " + value + " (" + std::to_string(p->lowest) +
                       " to " + std::to_string(p->highest) + ")");
  if (!ok) return badArgument("bad value for " + name + ": " + value);
  return {};
}

CommandResult SimSession::seed(const std::string& args) {
  long long v = 0;
  if (!parseInt(args, v) || v < 0 || v > 0xFFFFFFFFll) return badArgument("bad seed: " + args);
  game_->rng.seed = static_cast<std::uint32_t>(v);
  return {};
}

void SimSession::printNames() {
  const auto& n = game_->names;
  out_ << "names state=" << static_cast<int>(n.state()) << " selected=" << n.selected()
       << " count=" << n.lines().size() << '\n';
  for (const auto& l : n.lines()) out_ << "| " << l << '\n';
}

void SimSession::printSheet(const SheetModel& sheet) {
  out_ << "caption: " << sheet.caption() << '\n';
  for (const auto& l : sheet.lines()) out_ << l << '\n';
}

void SimSession::printState() {
  out_ << stateJson(*game_) << '\n';
}

void SimSession::printGraves() {
  const Graveyard& y = game_->graveyard;
  out_ << "graves " << y.count << '\n';
  for (int i = 0; i < y.count && i < Graveyard::kMaxGraves; ++i)
    out_ << y.graves[i].cell << ' ' << y.graves[i].age << ' ' << y.graves[i].race << '\n';
}

}  // namespace vorlund::sim

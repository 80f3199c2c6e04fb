#include "sim/sim_session.h"

#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <utility>

#include "combat/fight_odds.h"
#include "fighters/character_properties.h"
#include "loop/command_words.h"
#include "loop/data_folder.h"
#include "loop/game_files.h"
#include "loop/packed_bytes.h"
#include "loop/recorded_game.h"
#include "loop/recorded_start.h"
#include "loop/start_conditions.h"
#include "loop/startup.h"
#include "loop/tick.h"
#include "settings/qt_settings_store.h"
#include "sim/sim_state.h"
#include "state/failure.h"
#include "state/file_io.h"

namespace vorlund::sim {
namespace {

const char* kUsage =
    "usage: vorlund-sim [--seed N] [--settings FILE] [--dir DIR]\n"
    "       vorlund-sim --replay FILE [--dir DIR] [--settings FILE]\n"
    "       vorlund-sim --help | --version\n";

const char* kHelp =
    "\n"
    "Runs Vorlund headless in DIR (default: the current directory). Commands come on\n"
    "standard input, one per line; blank lines and lines starting with # are skipped.\n"
    "Every Log line is echoed as 'log: TEXT' ('-- log cleared' when the Log is emptied);\n"
    "every failure the game reports is printed on standard error when it happens.\n"
    "SIGTERM, SIGHUP and SIGINT end the input and run 'close'. Exit status 3: another\n"
    "program plays in DIR (one game or sim at a time may play in a folder).\n"
    "A count beyond 1000000 ticks (tick, fight) or 10000 fights (odds), and a fighter\n"
    "value beyond its sane range (set), are refused as bad input.\n"
    "\n"
    "The game records every game it plays as such a script, last-game.vsim in its\n"
    "folder, which carries the game folder as it was when the game started (its\n"
    "start-file lines). With --replay FILE the sim lays that folder out in DIR (a new\n"
    "or empty folder; without --dir a temporary one, removed at the end), taking the\n"
    "files the recording does not carry from the installed game data; plays the\n"
    "recording; then reads commands on standard input, and plays the recording's\n"
    "close, if it has one, when they end. A damaged recording is refused before it is\n"
    "played, naming its line, with exit status 2. Without --replay the start-file\n"
    "lines are passed over and the folder is taken as it is.\n"
    "\n";

constexpr CommandHelp kClockCommands[] = {
    {"tick [N]", "run N ticks of the main loop (default 1)"},
    {"fight [MAX]", "run ticks until no fight is running, at most MAX (default 100000)"},
    {"click TEXT", "mouse-down on the first Names line equal to TEXT"},
};

constexpr CommandHelp kQueryCommands[] = {
    {"ring CELL", "print 'ring CELL COUNT' and the cell's ring entries"},
    {"neighbours CELL", "print 'neighbours CELL COUNT' and the cell's neighbours"},
    {"names", "print the Names state, selection and lines"},
    {"sheet us | sheet them", "print the sheet's caption and its six lines"},
    {"state", "print the game state as one line of JSON"},
    {"graves", "print the graveyard"},
    {"log-digest",
     "print 'log-digest N CRC': the N Log lines since the start, each\n"
     "ended by a line feed, as one CRC-32"},
    {"set SLOT PROPERTY VALUE", "set one fighter property of slot 1..8"},
    {"seed N",
     "reseed the random generator; as the first command: start\n"
     "the game with seed N, as --seed N does"},
};

constexpr CommandHelp kLastCommands[] = {
    {"odds N",
     "play the arena pair N times to the death aside and print\n"
     "odds N wins1=A wins2=B other=C (the game is untouched);\n"
     "a pair that cannot fight prints odds N refused: WHY"},
    {"expect ...",
     "check the game (below); on a mismatch print the script line\n"
     "and exit 1"},
    {"close",
     "run the shutdown (save everything), then exit 0, or exit 1\n"
     "naming every file that could not be saved"},
    {"quit", "exit 0 without saving (as does the end of input)"},
};

constexpr CommandHelp kExpectations[] = {
    {"expect log TEXT",
     "a Log line equal to TEXT was appended after the line the\n"
     "last 'expect log' found (for the first one: since the start)"},
    {"expect no-log TEXT", "no such line was appended after that line"},
    {"expect names TEXT", "some Names line equals TEXT"},
    {"expect names #I TEXT", "Names line I (0-based) equals TEXT"},
    {"expect names-header TEXT", "the first line 'names' prints, less 'names ', equals TEXT"},
    {"expect state KEY VALUE", "a key of the 'state' line has this JSON value"},
    {"expect fighter SLOT PROPERTY VALUE", "a fighter property (strings without quotes)"},
    {"expect sheet us|them N TEXT",
     "line N of the sheet (0 the caption, 1..6 the form),\n"
     "trailing blanks ignored"},
    {"expect file NAME has TEXT | lacks TEXT | lines N", "a text file of the game folder"},
    {"expect file NAME bytes N | is file|folder|fifo|link|missing", "its size, or what it is"},
    {"expect setting IDENT N", "the settings hold N under MainForm's IDENT"},
    {"expect folder NAME...", "the game folder holds exactly these files"},
    {"expect odds N TEXT", "'odds N' would print 'odds N ' and TEXT"},
    {"expect ring CELL TEXT", "'ring CELL' would print 'ring CELL ' and TEXT"},
    {"expect neighbours CELL TEXT", "'neighbours CELL' would print 'neighbours CELL ' and TEXT"},
};

std::string makeHelp() {
  std::string help = std::string(kUsage) + kHelp;
  help += helpLines(kClockCommands);
  help += helpLines(inputHelp());
  help += helpLines(kQueryCommands);
  help += helpLines(conditionHelp());
  help += helpLines(kLastCommands);
  help += "\nExpectations (TEXT is everything after the blank that ends the word before it):\n";
  return help + helpLines(kExpectations);
}

}  // namespace

const char* usageText() {
  return kUsage;
}

const char* helpText() {
  static const std::string help = makeHelp();
  return help.c_str();
}

namespace {

// A new folder of the system's temporary ones; empty when none can be made.
std::filesystem::path makeTemporaryFolder() {
  std::error_code ec;
  std::string name = (std::filesystem::temp_directory_path(ec) / "vorlund-replay-XXXXXX").string();
  if (ec || ::mkdtemp(name.data()) == nullptr) return {};
  return name;
}

}  // namespace

SimSession::~SimSession() {
  std::error_code ec;
  if (!tempDir_.empty()) std::filesystem::remove_all(tempDir_, ec);
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
    if (r.stop) return stopped_ = true, r.exitCode;
  }
  if (!started_ && !start()) return kExitFailed;
  return 0;
}

// The recording, read and checked whole, its start laid out in the folder,
// its commands played up to its close; then standard input, and the close
// at its end.
int SimSession::replay(std::istream& in) {
  const std::string& file = options_.replay;
  const auto refuse = [this, &file](const std::string& why) {
    err_ << "vorlund-sim: " << file << ": " << why << '\n';
    return kExitBadInput;
  };
  Bytes bytes;
  if (const FileResult read = readFileBounded(file, kLargestRecording, bytes); !read)
    return refuse(read.reason());
  const std::string text(bytes.begin(), bytes.end());
  RecordedGame recording;
  if (std::optional<Failure> error = readRecording(text, recording))
    return refuse(error->message);
  if (recording.start.files.empty())
    return refuse(
        "it does not carry the game folder it started from: play it with "
        "'vorlund-sim --dir COPY < FILE' on a copy of that folder");
  const std::filesystem::path installed = installedDataFolder();
  if (std::optional<Failure> why = checkInstalled(recording.start, installed))
    return refuse(why->message);
  std::filesystem::path dir = options_.dir;
  std::error_code ec;
  if (!options_.dirGiven) {
    tempDir_ = makeTemporaryFolder();
    if (tempDir_.empty()) return refuse("cannot make a temporary folder to play it in");
    dir = tempDir_;
  } else if (std::filesystem::exists(dir, ec) && !std::filesystem::is_empty(dir, ec)) {
    return refuse("the folder to play it in must be new or empty: " + dir.string());
  }
  if (std::optional<Failure> why = layOutStart(recording.start, dir, installed)) {
    err_ << "vorlund-sim: " << why->message << '\n';
    return kExitFailed;
  }
  game_->dir = dir;
  options_.seed = recording.seed;
  if (!start()) return kExitFailed;
  source_ = file;
  std::istringstream lines(text.substr(0, recording.wholeBytes));
  std::string line;
  bool seedLine = true;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    // The seed started the game; the close waits for the end of input.
    if (std::exchange(seedLine, false) || line == "close") continue;
    if (const CommandResult r = execute(line, number); r.stop) return r.exitCode;
  }
  out_.flush();
  source_.clear();
  const int status = run(in);
  if (stopped_ || !recording.closed) return status;
  stopped_ = true;
  return close("").exitCode;
}

CommandResult SimSession::badArgument(const std::string& what) {
  const std::string where = source_.empty() ? "" : source_ + ", ";
  err_ << "vorlund-sim: "
       << (lineNumber_ > 0 ? where + "line " + std::to_string(lineNumber_) + ": " : "") << what
       << '\n';
  return {true, kExitBadInput};
}

CommandResult SimSession::execute(const std::string& line, int lineNumber) {
  lineNumber_ = lineNumber;
  line_ = line;
  if (line.empty() || line[0] == '#') return {};
  if (const ParsedInput in = parseInput(line); in.known) {
    if (!in.value) return badArgument(in.error);
    return play(*in.value);
  }
  if (const ParsedCondition c = parseCondition(line); c.known) {
    if (!c.value) return badArgument(c.error);
    applyCondition(*game_, *c.value);
    return {};
  }
  using Command = CommandResult (SimSession::*)(const std::string&);
  static constexpr std::pair<std::string_view, Command> kCommands[] = {
      {"expect", &SimSession::expect},
      {"tick", &SimSession::tick},
      {"fight", &SimSession::fight},
      {"click", &SimSession::click},
      {"ring", &SimSession::printRing},
      {"neighbours", &SimSession::printNeighbours},
      {"set", &SimSession::set},
      {"seed", &SimSession::seed},
      {"odds", &SimSession::odds},
      {"names", &SimSession::printNames},
      {"sheet", &SimSession::printSheet},
      {"state", &SimSession::printState},
      {"graves", &SimSession::printGraves},
      {"close", &SimSession::close},
      {"quit", &SimSession::quit},
      {"log-digest", &SimSession::logDigest},
      {"start-file", &SimSession::passOver},
      {"start-data", &SimSession::passOver},
  };
  const auto [command, args] = firstWord(line);
  for (const auto& [word, run] : kCommands)
    if (command == word) return (this->*run)(args);
  return badArgument("unknown command: " + line);
}

CommandResult SimSession::play(const PlayerInput& input) {
  if (const auto* save = std::get_if<LogSave>(&input);
      save && isGameFile(game_->dir, options_.settingsFile, gameFile(*game_, save->name)))
    return badArgument("save-log will not write over the game's own file " + save->name);
  if (const std::optional<Failure> failure = playInput(*game_, input)) {
    out_.flush();
    err_ << "vorlund-sim: " << describe(*failure) << '\n';
  }
  return {};
}

// A command that takes no argument, refused with one.
std::optional<CommandResult> SimSession::unexpected(const std::string& args) {
  if (args.empty()) return std::nullopt;
  return badArgument("unexpected argument: " + line_);
}

// The recording's start: laid out by --replay before the game starts, and
// passed over when the game folder is given as it is.
CommandResult SimSession::passOver(const std::string&) {
  return {};
}

// Every Log line since the start, each ended by a line feed, as one CRC-32.
CommandResult SimSession::logDigest(const std::string& args) {
  if (auto refused = unexpected(args)) return *refused;
  std::string text;
  for (const std::string& l : logHistory_) text += l + '\n';
  const auto* first = reinterpret_cast<const unsigned char*>(text.data());
  out_ << "log-digest " << logHistory_.size() << ' '
       << crcText(crc32Of(std::span(first, text.size()))) << '\n';
  return {};
}

CommandResult SimSession::quit(const std::string& args) {
  return unexpected(args).value_or(CommandResult{true, 0});
}

CommandResult SimSession::close(const std::string& args) {
  if (auto refused = unexpected(args)) return *refused;
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

// A press on the first Names line that reads `text` (`click #I` is the
// input itself); without one, a press below the last.
CommandResult SimSession::click(const std::string& text) {
  const auto& lines = game_->names.lines();
  const auto found = std::find(lines.begin(), lines.end(), text);
  if (found == lines.end()) err_ << "vorlund-sim: no line \"" << text << "\"\n";
  return play(NamesClick::at(static_cast<int>(found - lines.begin()), lines.size()));
}

CommandResult SimSession::printRing(const std::string& args) {
  return printRow(args, true);
}

CommandResult SimSession::printNeighbours(const std::string& args) {
  return printRow(args, false);
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

CommandResult SimSession::printNames(const std::string& args) {
  if (auto refused = unexpected(args)) return *refused;
  const auto& n = game_->names;
  out_ << "names state=" << static_cast<int>(n.state()) << " selected=" << n.selected()
       << " count=" << n.lines().size() << '\n';
  for (const auto& l : n.lines()) out_ << "| " << l << '\n';
  return {};
}

CommandResult SimSession::printSheet(const std::string& args) {
  if (args != "us" && args != "them") return badArgument("sheet takes us or them: " + line_);
  const SheetModel& sheet = args == "us" ? game_->us : game_->them;
  out_ << "caption: " << sheet.caption() << '\n';
  for (const auto& l : sheet.lines()) out_ << l << '\n';
  return {};
}

CommandResult SimSession::printState(const std::string& args) {
  if (auto refused = unexpected(args)) return *refused;
  out_ << stateJson(*game_) << '\n';
  return {};
}

CommandResult SimSession::printGraves(const std::string& args) {
  if (auto refused = unexpected(args)) return *refused;
  const Graveyard& y = game_->graveyard;
  out_ << "graves " << y.count << '\n';
  for (int i = 0; i < y.count && i < Graveyard::kMaxGraves; ++i)
    out_ << y.graves[i].cell << ' ' << y.graves[i].age << ' ' << y.graves[i].race << '\n';
  return {};
}

}  // namespace vorlund::sim

#include "shell/player_input.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <tuple>
#include <vector>

#include "management/names_window.h"
#include "panels/log_file.h"
#include "panels/text_keys.h"
#include "panels/tiling.h"
#include "shell/command_words.h"
#include "shell/game.h"
#include "shell/game_files.h"

namespace vorlund {
namespace {

using namespace forms;

std::string number(double d) {
  // The shortest text that reads back as the same double: the replay's view
  // turns exactly as the game's did.
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
  return ec == std::errc() ? std::string(buf, end) : "0";
}

std::string modifierWords(KeyModifiers mods, bool withShift) {
  std::string words;
  if (withShift && mods.shift) words += " shift";
  if (mods.ctrl) words += " ctrl";
  if (mods.alt) words += " alt";
  return words;
}

// The modifier words after the first word of `words`; false at the first
// word that is none of them (or shift, when it does not count).
bool readModifiers(std::istringstream& words, KeyModifiers& mods, bool shiftCounts,
                   std::string& bad) {
  std::string word;
  while (words >> word) {
    if (word == "shift" && shiftCounts)
      mods.shift = true;
    else if (word == "ctrl")
      mods.ctrl = true;
    else if (word == "alt")
      mods.alt = true;
    else
      return bad = word, false;
  }
  return true;
}

bool keyCode(const std::string& word, int& code) {
  long long v = 0;
  if (!parseInt(word, v) || v < 0 || v > 255) return false;
  code = static_cast<int>(v);
  return true;
}

bool int32(const std::string& word, int& out) {
  long long v = 0;
  if (!parseInt(word, v) || v < INT32_MIN || v > INT32_MAX) return false;
  out = static_cast<int>(v);
  return true;
}

bool parseNamesClick(const std::string& args, NamesClick& out, std::string& error) {
  long long index = 0;
  if (args.size() < 2 || args[0] != '#' || !parseInt(args.substr(1), index)) return false;
  if (index < 0) return error = "bad line index: " + args, false;
  out.line = static_cast<std::int32_t>(std::min<long long>(index, INT32_MAX));
  return true;
}

bool parseArenaKey(const std::string& args, ArenaKey& out, std::string& error) {
  std::istringstream words(args);
  std::string word, bad;
  if (!(words >> word) || !keyCode(word, out.code)) return error = "bad key code: " + args, false;
  if (!readModifiers(words, out.mods, true, bad)) return error = "bad key modifier: " + bad, false;
  return true;
}

bool parseTextKey(const std::string& args, TextKey& out, std::string& error) {
  if (!keyCode(args, out.code)) return error = "bad key code: " + args, false;
  return true;
}

bool parseArenaPress(const std::string& args, ArenaPress& out, std::string& error) {
  if (args == "none") return true;
  std::istringstream words(args);
  std::string word;
  long long name = 0;
  if (!(words >> word) || !parseInt(word, name) || name < 0 || name > 0xFFFFFFFFll)
    return error = "bad selection name: " + args, false;
  out.hit = static_cast<std::uint32_t>(name);
  while (words >> word) {
    if (word == "right")
      out.button = MouseButton::Right;
    else if (word == "middle")
      out.button = MouseButton::Middle;
    else if (word == "ctrl")
      out.mods.ctrl = true;
    else if (word == "alt")
      out.mods.alt = true;
    else
      return error = "bad pick modifier: " + word, false;
  }
  return true;
}

std::string arenaPressArgs(const ArenaPress& in) {
  if (!in.hit) return "none";
  const char* side = in.button == MouseButton::Right    ? " right"
                     : in.button == MouseButton::Middle ? " middle"
                                                        : "";
  return std::to_string(*in.hit) + side + modifierWords(in.mods, false);
}

// The press starts a drag from where it was; a drag's offsets are from the
// press, so the press itself is the origin.
std::optional<Failure> playArenaPress(Game& g, const ArenaPress& in) {
  formMouseDown(g, 0.0, 0.0);
  if (in.hit) pickAction(g, in.button, in.mods, *in.hit);
  return std::nullopt;
}

bool parseArenaDrag(const std::string& args, ArenaDrag& out, std::string& error) {
  std::istringstream words(args);
  std::string dx, dy, width, height, extra;
  if (!(words >> dx >> dy >> width >> height) || (words >> extra) || !parseReal(dx, out.dx) ||
      !parseReal(dy, out.dy) || !int32(width, out.width) || !int32(height, out.height) ||
      out.width < 0 || out.height < 0)
    return error = "bad drag: " + args, false;
  return true;
}

bool parseWheelTurn(const std::string& args, WheelTurn& out, std::string& error) {
  if (!int32(args, out.delta)) return error = "bad wheel movement: " + args, false;
  return true;
}

bool parseWindowResize(const std::string& args, WindowResize& out, std::string& error) {
  std::istringstream words(args);
  std::string name, extra;
  std::string numbers[4];
  if (!(words >> name >> numbers[0] >> numbers[1] >> numbers[2] >> numbers[3]) || (words >> extra))
    return error = "bad resize: " + args, false;
  int* fields[4] = {&out.bounds.top, &out.bounds.left, &out.bounds.width, &out.bounds.height};
  for (int i = 0; i < 4; ++i)
    if (!int32(numbers[i], *fields[i])) return error = "bad resize: " + args, false;
  const std::optional<WindowId> w = windowFromWord(name);
  if (!w) return error = "no window " + name, false;
  out.window = *w;
  return true;
}

std::string windowResizeArgs(const WindowResize& in) {
  const WindowBounds& b = in.bounds;
  return std::string(windowWord(in.window)) + " " + std::to_string(b.top) + " " +
         std::to_string(b.left) + " " + std::to_string(b.width) + " " + std::to_string(b.height);
}

// The window stands where the player left it (the sim's windows are moved
// there first); then the others are tiled round it.
std::optional<Failure> playWindowResize(Game& g, const WindowResize& in) {
  if (g.platform->bounds(in.window) != in.bounds) g.platform->setBounds(in.window, in.bounds);
  if (in.window == WindowId::Main)
    mainWindowResized(g);
  else
    textWindowResized(g, in.window);
  return std::nullopt;
}

// Only a bare file name: an input never writes outside the game folder.
bool parseLogSave(const std::string& args, LogSave& out, std::string& error) {
  const std::filesystem::path file(args);
  if (args.empty() || file.has_parent_path() || args == "." || args == "..")
    return error = "save-log takes a file name of the game folder: " + args, false;
  out.name = args;
  return true;
}

// A recording from elsewhere must not make a replay write over the game's own files.
std::optional<Failure> playLogSave(Game& g, const LogSave& in) {
  if (isGameFileName(in.name))
    return Failure::notSaved(in.name, "Cannot create file " + in.name,
                             "it is one of the game's own files");
  if (const FileResult r = saveLogFile(g.log.lines(), gameFile(g, in.name)); !r)
    return Failure::notSaved(in.name, "Cannot create file " + in.name, r.reason());
  return std::nullopt;
}

bool parseRecovered(const std::string& args, Recovered& out, std::string& error) {
  long long n = 0;
  if (!parseInt(args, n) || n < 0) return error = "bad input count: " + args, false;
  out.inputs = n;
  return true;
}

bool parseLogNote(const std::string& args, LogNote& out, std::string&) {
  out.text = args;
  return true;
}

// One line: a line break in the text would end the command early.
std::string noteText(const LogNote& in) {
  std::string text = in.text;
  std::ranges::replace(text, '\n', ' ');
  std::ranges::replace(text, '\r', ' ');
  return text;
}

// The table of inputs: one row per kind, in the order of the variant and of
// the help.
constexpr std::tuple kForms{
    LineForm<NamesClick>{
        "click",
        {"click #I", "mouse-down on Names line I (0-based); past the end clicks below"},
        {},
        parseNamesClick,
        [](const NamesClick& in) { return "#" + std::to_string(in.line); },
        [](Game& g, const NamesClick& in) -> std::optional<Failure> {
          clickNames(g, in.line);
          return std::nullopt;
        }},
    LineForm<LogClick>{"log-click",
                       {"log-click", "mouse-down in the Log: pauses or resumes the fight"},
                       {},
                       noArguments<LogClick>,
                       noText<LogClick>,
                       [](Game& g, const LogClick&) -> std::optional<Failure> {
                         logMouseDown(g);
                         return std::nullopt;
                       }},
    LineForm<ArenaKey>{
        "key",
        {"key CODE [shift] [ctrl] [alt]", "a key on the arena view (Windows virtual-key number)"},
        {},
        parseArenaKey,
        [](const ArenaKey& in) { return std::to_string(in.code) + modifierWords(in.mods, true); },
        [](Game& g, const ArenaKey& in) -> std::optional<Failure> {
          formKeyDown(g, in.code, in.mods);
          return std::nullopt;
        }},
    LineForm<TextKey>{"text-key",
                      {"text-key CODE", "a key in a text window: Esc (27), F1..F4 (112..115)"},
                      {},
                      parseTextKey,
                      [](const TextKey& in) { return std::to_string(in.code); },
                      [](Game& g, const TextKey& in) -> std::optional<Failure> {
                        textWindowKey(g, in.code);
                        return std::nullopt;
                      }},
    LineForm<ArenaPress>{"pick",
                         {"pick NAME [right|middle] [ctrl] [alt]",
                          "a press on the arena view that hit the selection name NAME\n"
                          "(a cell, 100000 + a ring cell, 800000 + a neighbour cell):\n"
                          "a drag starts there and NAME goes to the row editor"},
                         {"pick none", "a press on the arena view that hit nothing: a drag starts"},
                         parseArenaPress,
                         arenaPressArgs,
                         playArenaPress},
    LineForm<ArenaDrag>{"drag",
                        {"drag DX DY WIDTH HEIGHT",
                         "the pointer, held down, is DX DY pixels from the press in a\n"
                         "main window of that client size: the view turns"},
                        {},
                        parseArenaDrag,
                        [](const ArenaDrag& in) {
                          return number(in.dx) + " " + number(in.dy) + " " +
                                 std::to_string(in.width) + " " + std::to_string(in.height);
                        },
                        [](Game& g, const ArenaDrag& in) -> std::optional<Failure> {
                          formMouseMove(g, in.dx, in.dy, in.width, in.height, kDesignedFrustum);
                          return std::nullopt;
                        }},
    LineForm<MouseUp>{"mouse-up",
                      {"mouse-up", "the button is let go: the drag ends"},
                      {},
                      noArguments<MouseUp>,
                      noText<MouseUp>,
                      [](Game& g, const MouseUp&) -> std::optional<Failure> {
                        formMouseUp(g);
                        return std::nullopt;
                      }},
    LineForm<WheelTurn>{
        "wheel",
        {"wheel DELTA", "wheel movement (120 a notch, positive away from the player)"},
        {},
        parseWheelTurn,
        [](const WheelTurn& in) { return std::to_string(in.delta); },
        [](Game& g, const WheelTurn& in) -> std::optional<Failure> {
          mouseWheel(g, in.delta);
          return std::nullopt;
        }},
    LineForm<WindowResize>{"resize",
                           {"resize WINDOW TOP LEFT WIDTH HEIGHT",
                            "the player resized a window (main, us, them, names, log)\n"
                            "to these outer bounds: the others are tiled round it"},
                           {},
                           parseWindowResize,
                           windowResizeArgs,
                           playWindowResize},
    LineForm<LogSave>{"save-log",
                      {"save-log NAME",
                       "save the Log's lines as UTF-8 text to the file NAME of the\n"
                       "game folder (Ctrl+S in the Log window)"},
                      {},
                      parseLogSave,
                      [](const LogSave& in) { return in.name; },
                      playLogSave},
    LineForm<Recovered>{"recovered",
                        {"recovered N",
                         "the game went on after a crash, its N inputs played again;\n"
                         "the Log says so, its last line shown"},
                        {},
                        parseRecovered,
                        [](const Recovered& in) { return std::to_string(in.inputs); },
                        [](Game& g, const Recovered& in) -> std::optional<Failure> {
                          logAdd(g.log, recoveredText(in.inputs));
                          logShowLast(g.log);
                          return std::nullopt;
                        }},
    LineForm<LogNote>{"note",
                      {"note TEXT", "a line the game told in the Log about its recordings"},
                      {},
                      parseLogNote,
                      noteText,
                      [](Game& g, const LogNote& in) -> std::optional<Failure> {
                        logAdd(g.log, noteText(in));
                        return std::nullopt;
                      }},
};

}  // namespace

NamesClick NamesClick::at(int row, std::size_t lineCount) {
  const std::size_t index = row < 0 || static_cast<std::size_t>(row) >= lineCount ? lineCount : row;
  return {static_cast<std::int32_t>(std::min<std::size_t>(index, INT32_MAX))};
}

std::string inputLine(const PlayerInput& input) {
  return lineOf(kForms, input);
}

ParsedInput parseInput(const std::string& line) {
  return forms::parse<PlayerInput>(kForms, line);
}

std::optional<Failure> playInput(Game& g, const PlayerInput& input) {
  return forms::play(kForms, g, input);
}

std::string recoveredText(std::int64_t inputs) {
  return "The last game did not close: it goes on from its last input, " + std::to_string(inputs) +
         (inputs == 1 ? " input" : " inputs") + " played again";
}

bool supersedesItself(const PlayerInput& input) {
  return std::holds_alternative<ArenaDrag>(input);
}

std::span<const CommandHelp> inputHelp() {
  static const std::vector<CommandHelp> rows = forms::help(kForms);
  return rows;
}

namespace {

constexpr std::pair<const char*, WindowId> kWindowWords[] = {{"main", WindowId::Main},
                                                             {"us", WindowId::Us},
                                                             {"them", WindowId::Them},
                                                             {"names", WindowId::Names},
                                                             {"log", WindowId::Log}};

}  // namespace

const char* windowWord(WindowId w) {
  for (const auto& [word, id] : kWindowWords)
    if (id == w) return word;
  return "main";
}

std::optional<WindowId> windowFromWord(const std::string& word) {
  for (const auto& [name, id] : kWindowWords)
    if (word == name) return id;
  return std::nullopt;
}

}  // namespace vorlund

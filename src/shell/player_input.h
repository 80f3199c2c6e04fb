#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "shell/failure.h"
#include "shell/input.h"
#include "shell/line_forms.h"
#include "shell/platform.h"
#include "shell/pointer_input.h"

namespace vorlund {
struct Game;

// Everything the player can do to the game, each kind of input once: its
// data here; its line (the vorlund-sim command that does the same, as the
// recording writes it), its parser, its effect and its help in the one table
// of player_input.cpp. The app's handlers build an input and play it, the
// recording writes its line, the sim and a replay parse the line and play it.

// A press on Names line `line` (0-based); the line count, or more, is a
// press below the last line.
struct NamesClick {
  std::int32_t line = 0;
  // The press on list row `row` (-1: below the last) of `lineCount` lines.
  static NamesClick at(int row, std::size_t lineCount);
};
// A press in the Log: pauses or resumes the fight.
struct LogClick {};
// A key on the arena view, as a Windows virtual-key code.
struct ArenaKey {
  int code = 0;
  KeyModifiers mods;
};
// Esc or F1..F4 in a text window.
struct TextKey {
  int code = 0;
};
// A press on the arena view and what its selection pass hit there: nothing,
// or a selection name. A drag starts from the press; only Ctrl and Alt
// count for the name.
struct ArenaPress {
  std::optional<std::uint32_t> hit;
  MouseButton button = MouseButton::Left;
  KeyModifiers mods;
};
// The pointer moved with a button held: its offset from the press, in a
// main window of that client size.
struct ArenaDrag {
  double dx = 0.0;
  double dy = 0.0;
  int width = 0;
  int height = 0;
};
// The button is let go: the drag ends.
struct MouseUp {};
// Wheel movement, 120 a notch, positive away from the player.
struct WheelTurn {
  int delta = 0;
};
// The player resized a window; its outer bounds now.
struct WindowResize {
  WindowId window = WindowId::Main;
  WindowBounds bounds;
};
// The Log saved as the file `name` of the game folder.
struct LogSave {
  std::string name;
};

// What the game told the player in the Log about the recording itself, so
// that a replay's Log is the game's: the game went on after a crash, its
// `inputs` played again; or another line (a last game that could not be
// played again and was set aside).
struct Recovered {
  std::int64_t inputs = 0;
};
struct LogNote {
  std::string text;
};

using PlayerInput = std::variant<NamesClick, LogClick, ArenaKey, TextKey, ArenaPress, ArenaDrag,
                                 MouseUp, WheelTurn, WindowResize, LogSave, Recovered, LogNote>;

// The Log line of a game that went on after a crash.
std::string recoveredText(std::int64_t inputs);

// The line that plays the input in vorlund-sim.
std::string inputLine(const PlayerInput& input);

// What a command line means as an input.
using ParsedInput = ParsedLine<PlayerInput>;
ParsedInput parseInput(const std::string& line);

// Plays the input on the game. Saving the Log is the one input that can
// fail; its failure is returned, not told in the Log it was saving.
std::optional<Failure> playInput(Game& g, const PlayerInput& input);

// Only the last of a run of these, before a tick or another input, needs
// recording: each sets the view afresh from the press.
bool supersedesItself(const PlayerInput& input);

// The inputs' lines, in the table's order.
std::span<const CommandHelp> inputHelp();

// The sim's and the recording's name of a window: main, us, them, names, log.
const char* windowWord(WindowId w);
std::optional<WindowId> windowFromWord(const std::string& word);

}  // namespace vorlund

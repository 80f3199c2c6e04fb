#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shell/player_input.h"

namespace vorlund {
struct Game;

// The recordings in the game folder: this game's, and the one before.
inline constexpr const char* kLastGameFile = "last-game.vsim";
inline constexpr const char* kPreviousGameFile = "previous-game.vsim";
// The most ticks one `tick` line holds: as many as the sim runs for one
// command. A longer wait (more than four hours) takes several lines.
inline constexpr std::int64_t kMostTicksPerLine = 1'000'000;

// Everything the player does, written as a vorlund-sim script that plays the
// game again: `vorlund-sim --dir COPY < last-game.vsim`, COPY being a copy of
// the game folder as it was when the game started.
//
// The script opens with the seed, then what the game read from outside its
// folder (the purses and the Betrayal flag from the settings, the lines a
// wheel notch scrolls); then every input as the sim command that does the
// same, each after a `tick N` line that counts the ticks run since the input
// before it; `close` ends it.
//
// It is a record, not a state file of the game: it is written as it grows,
// one write to the system per input, never through the atomic writer, so a
// game that crashes leaves the script up to its last input (the ticks after
// it are written with the next input or at the close). A recording that
// cannot be started or written is given up and told; the game plays on.
class GameRecording {
 public:
  GameRecording() = default;
  ~GameRecording();
  GameRecording(const GameRecording&) = delete;
  GameRecording& operator=(const GameRecording&) = delete;

  // Where failures are told (the app shows them on standard error).
  std::function<void(const std::string&)> onFailure;

  // Keeps the last recording as previous-game.vsim (replacing the one
  // before) and starts last-game.vsim in the game folder with the seed the
  // game started with and the start conditions of `g`. When the last
  // recording cannot be kept, nothing is recorded and it stays as it was.
  bool start(const Game& g, unsigned seed);
  bool recording() const { return fd_ >= 0; }

  // A tick of the main loop is about to run.
  void tick();
  // An input, just before it reaches the rules. Of a run of drags only the
  // last before a tick or another input is written (each sets the view
  // afresh from the press).
  void input(const PlayerInput& in);
  // The game closes: the ticks since the last input, then `close`.
  void close();

 private:
  void write(std::string_view line);
  void writePendingDrag();
  void writeLine(std::string_view line);
  void fail(const std::string& why);

  int fd_ = -1;
  std::filesystem::path file_;
  std::int64_t ticks_ = 0;
  std::string pendingDrag_;
};

}  // namespace vorlund

#pragma once
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "shell/failure.h"
#include "shell/player_input.h"
#include "shell/start_conditions.h"

namespace vorlund {
struct Game;

// The recordings in the game folder: this game's, and the one before.
inline constexpr const char* kLastGameFile = "last-game.vsim";
inline constexpr const char* kPreviousGameFile = "previous-game.vsim";
// The most ticks one `tick` line holds: as many as the sim runs for one
// command. A longer wait (more than four hours) takes several lines.
inline constexpr std::int64_t kMostTicksPerLine = 1'000'000;

// Everything the player does, written as a vorlund-sim script that plays the
// game again on its own: `vorlund-sim --replay last-game.vsim`.
//
// The script opens with the seed, then the game folder as it was when the
// game started (its start: see shell/recorded_start.h), then what the game
// read from outside its folder (the purses and the Betrayal flag from the
// settings, the lines a wheel notch scrolls, the clock's pace); then every
// input as the sim command that does the same, each after a `tick N` line
// that counts the ticks run since the input before it; `close` ends it,
// written once the game has saved its files.
//
// It is a record, not a state file of the game: it is written as it grows,
// one write to the system per input (and put on disk at least once a
// second), never through the atomic writer, so a game that crashes leaves
// the script up to its last input (the ticks after it are written with the
// next input or at the close), and the next start plays it again. While it
// is written the file is locked, so that a start never takes a running
// game's recording for a crashed one. A recording that cannot be started or
// written is given up and told; the game plays on.
class GameRecording {
 public:
  GameRecording() = default;
  ~GameRecording();
  GameRecording(const GameRecording&) = delete;
  GameRecording& operator=(const GameRecording&) = delete;

  // Where failures are told.
  std::function<void(const Failure&)> onFailure;

  // Keeps the last recording as previous-game.vsim (replacing the one
  // before) and starts last-game.vsim in the game folder with the seed the
  // game started with, its start (the game folder as it stands, the
  // read-only files compared with the installed data in `installed`), the
  // conditions of `g` and the clock's pace. When the last recording cannot be
  // kept, nothing is recorded and it stays as it was.
  bool start(const Game& g, unsigned seed, int pace, const std::filesystem::path& installed);
  // Goes on recording into a crashed game's last-game.vsim, cut back to its
  // first `bytes` bytes: up to its last input, where the game goes on.
  bool resume(const Game& g, std::uintmax_t bytes);
  bool recording() const { return fd_ >= 0; }

  // A tick of the main loop is about to run.
  void tick();
  // An input, just before it reaches the rules. Of a run of drags only the
  // last before a tick or another input is written (each sets the view
  // afresh from the press).
  void input(const PlayerInput& in);
  // A condition that changed on the way (the pace after a crash).
  void condition(const StartCondition& c);
  // The game has closed and saved its files: the ticks since the last
  // input, then `close`.
  void close();

 private:
  bool open(const Game& g, int flags);
  void write(std::string_view line);
  void writePendingDrag();
  void writeLine(std::string_view line);
  void putOnDisk();
  void fail(const std::string& what, const std::string& reason);
  void stop();

  int fd_ = -1;
  std::filesystem::path file_;
  std::int64_t ticks_ = 0;
  std::string pendingDrag_;
  std::chrono::steady_clock::time_point lastSync_{};
};

}  // namespace vorlund

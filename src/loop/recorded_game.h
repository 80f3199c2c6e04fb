#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "loop/player_input.h"
#include "loop/recorded_start.h"
#include "loop/start_conditions.h"
#include "state/failure.h"

namespace vorlund {
struct Game;

// A recording read whole and checked before anything of it is played: what
// the game plays again after a crash, and what `vorlund --replay` shows.

// A run of ticks of the game's clock.
struct TickRun {
  std::int64_t count = 0;
};
using RecordedStep = std::variant<StartCondition, TickRun, PlayerInput>;

struct RecordedGame {
  std::uint32_t seed = 0;
  RecordedStart start;
  std::vector<RecordedStep> steps;
  bool closed = false;  // it ends with `close`
  // The player's inputs (the game's own notes in the Log not counted).
  std::size_t inputs = 0;
  // The steps up to and with the last input: what a crash did not lose.
  std::size_t stepsToLastInput = 0;
  // How many `recovered` inputs end it with no other input after them.
  std::size_t recoveriesAtEnd = 0;
  // The pace of its first `pace` line, when it has one.
  std::optional<std::int32_t> pace;
  // The text's bytes up to the end of its last whole line (a line without
  // its line feed was cut short by the crash and is not played), and up to
  // the end of its last input's line, where a game played again goes on.
  std::size_t wholeBytes = 0;
  std::size_t bytesToLastInput = 0;
};

// Reads a recording: its seed first, its start, then conditions, ticks and
// inputs, `close` at most at the end. Nothing when it is sound, else what is
// wrong, naming the line: "line 12: unknown command: clack #2".
[[nodiscard]] std::optional<Failure> readRecording(std::string_view text, RecordedGame& out);

// The most bytes of a recording read to be played again: hundreds of hours.
inline constexpr std::size_t kLargestRecording = std::size_t{256} << 20;

// Plays a recording's steps on a game, from the start-up with its seed.
class RecordingPlayer {
 public:
  // Plays the first `end` steps of `recording`, which must outlive it.
  RecordingPlayer(const RecordedGame& recording, std::size_t end);
  // The start-up with the recorded seed, then every step before the first
  // tick; false when the start-up had to stop (it told why).
  bool start(Game& g);
  // Plays on until `ticks` ticks have run or the steps are over; the ticks
  // that ran.
  std::int64_t advance(Game& g, std::int64_t ticks);
  bool finished() const { return next_ == end_ && pendingTicks_ == 0; }
  std::int64_t ticksPlayed() const { return ticksPlayed_; }
  std::int64_t ticksToPlay() const { return ticksToPlay_; }
  std::size_t inputsPlayed() const { return inputsPlayed_; }

 private:
  const RecordedGame& recording_;
  std::size_t end_;
  std::size_t next_ = 0;
  std::int64_t pendingTicks_ = 0;
  std::int64_t ticksPlayed_ = 0;
  std::int64_t ticksToPlay_ = 0;
  std::size_t inputsPlayed_ = 0;
};

}  // namespace vorlund

#include "loop/recorded_game.h"

#include <algorithm>
#include <type_traits>

#include "loop/command_words.h"
#include "loop/recording.h"
#include "loop/startup.h"
#include "loop/tick.h"

namespace vorlund {
namespace {

// Reads the recording line by line, keeping where it is for its messages.
class Reader {
 public:
  explicit Reader(RecordedGame& out) : out_(out) {}

  // "" or what is wrong with the line.
  std::string read(const std::string& line) {
    if (line.empty() || line[0] == '#') return "";
    if (!seeded_) return readSeed(line);
    if (out_.closed) return "nothing may follow the close";
    if (StartReader::isStartLine(line)) {
      if (playing_) return "the start must come before the game's first tick and input";
      std::string error;
      return start_.read(line, error) ? "" : error;
    }
    if (std::string error; !start_.finish(error)) return error;
    if (line == "close") return out_.closed = true, "";
    if (const ParsedInput in = parseInput(line); in.known) return add(in.value, in.error);
    if (const ParsedCondition c = parseCondition(line); c.known) {
      if (c.value && std::holds_alternative<Pace>(*c.value) && !out_.pace)
        out_.pace = std::get<Pace>(*c.value).ticksPerSecond;
      return add(c.value, c.error);
    }
    const auto [word, args] = firstWord(line);
    if (word == "tick") return readTicks(args);
    return "unknown command: " + line;
  }

  std::string finish() {
    std::string error;
    if (!start_.finish(error)) return error;
    out_.start = start_.start();
    return "";
  }

  // Where the line being read ends in the text, its line feed included.
  std::size_t lineEnd = 0;

 private:
  std::string readSeed(const std::string& line) {
    const auto [word, args] = firstWord(line);
    long long v = 0;
    if (word != "seed" || !parseInt(args, v) || v < 0 || v > 0xFFFFFFFFll)
      return "a recording opens with its seed: " + line;
    out_.seed = static_cast<std::uint32_t>(v);
    seeded_ = true;
    return "";
  }

  std::string readTicks(const std::string& args) {
    long long n = 1;
    if (!args.empty() && (!parseInt(args, n) || n < 0)) return "bad tick count: " + args;
    if (n > kMostTicksPerLine)
      return "bad tick count: " + args + " (at most " + std::to_string(kMostTicksPerLine) + ")";
    playing_ = true;
    out_.steps.emplace_back(TickRun{n});
    return "";
  }

  template <class V>
  std::string add(const std::optional<V>& value, const std::string& error) {
    if (!value) return error;
    if constexpr (std::is_same_v<V, PlayerInput>) {
      playing_ = true;
      if (!std::holds_alternative<Recovered>(*value) && !std::holds_alternative<LogNote>(*value))
        ++out_.inputs;
      out_.stepsToLastInput = out_.steps.size() + 1;
      out_.bytesToLastInput = lineEnd;
      out_.recoveriesAtEnd =
          std::holds_alternative<Recovered>(*value) ? out_.recoveriesAtEnd + 1 : 0;
    }
    out_.steps.emplace_back(*value);
    return "";
  }

  RecordedGame& out_;
  StartReader start_;
  bool seeded_ = false;
  bool playing_ = false;
};

}  // namespace

std::optional<Failure> readRecording(std::string_view text, RecordedGame& out) {
  out = RecordedGame{};
  Reader reader(out);
  int number = 0;
  std::size_t at = 0;
  for (std::size_t end = 0; (end = text.find('\n', at)) != std::string_view::npos; at = end + 1) {
    ++number;
    std::string line(text.substr(at, end - at));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    reader.lineEnd = end + 1;
    if (std::string error = reader.read(line); !error.empty())
      return Failure::logged("line " + std::to_string(number) + ": " + error);
    out.wholeBytes = end + 1;
  }
  if (std::string error = reader.finish(); !error.empty())
    return Failure::logged("line " + std::to_string(number) + ": " + error);
  if (out.wholeBytes == 0) return Failure::logged("it is empty");
  return std::nullopt;
}

RecordingPlayer::RecordingPlayer(const RecordedGame& recording, std::size_t end)
    : recording_(recording), end_(std::min(end, recording.steps.size())) {
  for (std::size_t i = 0; i < end_; ++i)
    if (const auto* run = std::get_if<TickRun>(&recording.steps[i])) ticksToPlay_ += run->count;
}

bool RecordingPlayer::start(Game& g) {
  if (!startGame(g, recording_.seed)) return false;
  advance(g, 0);
  return true;
}

std::int64_t RecordingPlayer::advance(Game& g, std::int64_t ticks) {
  std::int64_t ran = 0;
  for (;;) {
    if (pendingTicks_ > 0) {
      if (ran == ticks) break;
      timer1Timer(g);
      --pendingTicks_;
      ++ran;
      ++ticksPlayed_;
      continue;
    }
    if (next_ == end_) break;
    const RecordedStep& step = recording_.steps[next_++];
    if (const auto* run = std::get_if<TickRun>(&step)) {
      pendingTicks_ = run->count;
    } else if (const auto* c = std::get_if<StartCondition>(&step)) {
      applyCondition(g, *c);
    } else {
      // A Log saved again writes the same lines; if it cannot be, the
      // game's own save stands.
      (void)playInput(g, std::get<PlayerInput>(step));
      ++inputsPlayed_;
    }
  }
  return ran;
}

}  // namespace vorlund

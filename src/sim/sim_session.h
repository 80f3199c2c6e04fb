#pragma once
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/game.h"
#include "shell/null_platform.h"
#include "shell/player_input.h"

namespace vorlund::sim {

// What the command line asked for.
struct SimOptions {
  bool seeded = false;
  unsigned seed = 0;
  std::string settingsFile;  // empty: an in-memory store that starts empty
  std::string dir = ".";
  bool dirGiven = false;
  std::string replay;  // a recording to play from its start
};

// Outcome of one command: go on, or stop the program with an exit code.
struct CommandResult {
  bool stop = false;
  int exitCode = 0;
};

// Exit codes: a failed expectation or a file that could not be saved, and a
// command or argument that makes no sense.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitBadInput = 2;

// The most a command may ask for; more would run for hours, and is refused
// as bad input. A million ticks are over four hours of play.
inline constexpr long long kMostTicks = 1'000'000;
inline constexpr long long kMostFights = 10'000;

// One headless game driven by text commands.
class SimSession {
 public:
  SimSession(const SimOptions& options, std::ostream& out, std::ostream& err);
  ~SimSession();
  SimSession(const SimSession&) = delete;
  SimSession& operator=(const SimSession&) = delete;
  // Runs the start-up; false (with the reason on err) when it had to stop.
  bool start();
  // Runs one command; `lineNumber` is its line in the script, for messages.
  CommandResult execute(const std::string& line, int lineNumber = 0);
  // Starts the game at the first command (with its seed when that command
  // is `seed N`), then reads commands until one stops the program or the
  // input ends. Exits 1 when the start-up had to stop.
  int run(std::istream& in);
  // Plays the recording of the options from its start, laid out in the
  // options' folder (new or empty) or a temporary one; then reads commands
  // from `in`, and plays the recording's close, if it has one, at their end.
  // Exits 2 when the recording is damaged, naming the line.
  int replay(std::istream& in);
  // A command (close, quit, a failed expectation...) ended the session.
  bool stopped() const { return stopped_; }

  // The game as it stands, for a harness that plays many scripts from one
  // start-up (the fuzz target copies it once started, and back before each).
  Game& game() { return *game_; }
  // Forgets what the scripts before did: the Log lines `expect log` reads,
  // the files a close could not save.
  void forgetScript();

 private:
  CommandResult tick(const std::string& args);
  CommandResult fight(const std::string& args);
  CommandResult click(const std::string& text);
  CommandResult play(const PlayerInput& input);
  CommandResult printRing(const std::string& args);
  CommandResult printNeighbours(const std::string& args);
  CommandResult printRow(const std::string& args, bool ringRow);
  CommandResult set(const std::string& args);
  CommandResult seed(const std::string& args);
  CommandResult odds(const std::string& args);
  CommandResult printNames(const std::string& args);
  CommandResult printSheet(const std::string& args);
  CommandResult printState(const std::string& args);
  CommandResult printGraves(const std::string& args);
  CommandResult close(const std::string& args);
  CommandResult quit(const std::string& args);
  CommandResult passOver(const std::string& args);
  CommandResult logDigest(const std::string& args);
  CommandResult expect(const std::string& args);
  CommandResult badArgument(const std::string& what);
  std::optional<CommandResult> unexpected(const std::string& args);
  // A count of 0..most from `text`, or nothing when it is none (told as bad
  // input, naming `what`).
  std::optional<long long> count(const std::string& text, long long most, const char* what);

  // The expectations: "" when it holds, else what was found instead.
  std::string expectLog(const std::string& text, bool wanted);
  std::string expectNames(const std::string& args);
  std::string expectState(const std::string& args);
  std::string expectFighter(const std::string& args);
  std::string expectSheet(const std::string& args);
  std::string expectFile(const std::string& args);
  std::string expectFolder(const std::string& args);
  std::string expectOdds(const std::string& args);
  std::string expectSetting(const std::string& args);
  std::string expectRow(const std::string& what, const std::string& args);
  // The line `odds n` prints.
  std::string oddsText(long long n) const;

  SimOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  std::unique_ptr<NullPlatform> platform_;
  std::unique_ptr<Game> game_;
  int lineNumber_ = 0;
  std::string line_;    // the command being run
  std::string source_;  // the recording being played, for messages
  bool stopped_ = false;
  std::filesystem::path tempDir_;
  bool started_ = false;
  // Every Log line appended since the start, and how far `expect log` has read.
  std::vector<std::string> logHistory_;
  std::size_t logRead_ = 0;
  // Files the shutdown could not save.
  std::vector<std::string> unsaved_;
  // Set by an expect whose arguments make no sense.
  std::string badExpect_;
};

// The usage lines, which begin --help and follow every refusal alike.
const char* usageText();
// The --help text: usage and the command table.
const char* helpText();

}  // namespace vorlund::sim

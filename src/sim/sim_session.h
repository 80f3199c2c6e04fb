#pragma once
#include <iosfwd>
#include <memory>
#include <string>

#include "shell/game.h"
#include "shell/headless_platform.h"

namespace vorlund::sim {

// What the command line asked for.
struct SimOptions {
  bool seeded = false;
  unsigned seed = 0;
  std::string settingsFile;  // empty: an in-memory store that starts empty
  std::string dir = ".";
};

// Outcome of one command: go on, or stop the program with an exit code.
struct CommandResult {
  bool stop = false;
  int exitCode = 0;
};

// One headless game driven by text commands.
class SimSession {
 public:
  SimSession(const SimOptions& options, std::ostream& out, std::ostream& err);
  // Runs the start-up; false (with the reason on err) when it had to stop.
  bool start();
  CommandResult execute(const std::string& line);
  // Reads commands until one stops the program or the input ends.
  int run(std::istream& in);

 private:
  CommandResult tick(const std::string& args);
  CommandResult fight(const std::string& args);
  CommandResult click(const std::string& args);
  CommandResult key(const std::string& args);
  CommandResult set(const std::string& args);
  CommandResult seed(const std::string& args);
  CommandResult odds(const std::string& args);
  CommandResult close();
  CommandResult badArgument(const std::string& what);
  // Every error the game has shown goes to err, as it happened.
  void reportErrors();
  void printNames();
  void printSheet(const SheetModel& sheet);
  void printState();
  void printGraves();

  SimOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  HeadlessPlatform* platform_ = nullptr;
  std::unique_ptr<HeadlessPlatform> platformOwner_;
  std::unique_ptr<Game> game_;
};

// The --help text: usage and the command table.
const char* helpText();

}  // namespace vorlund::sim

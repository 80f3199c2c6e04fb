#pragma once
#include <string>

namespace vorlund {

struct Game;

// Something that went wrong, in the game's own words. The game tells every
// failure the same way: reportFailure() writes what the player reads in the
// game, then hands the failure to the platform, which shows it (the app),
// prints it at once (the sim) or records it (tests).
//
// It is also what every loader and check gives back: std::optional<Failure>,
// nothing when all went well. A check that only finds what is wrong (a
// damaged row, a file that is no ini text) says it in `message`, and its
// caller puts those words into its own failure; a loader that knows what
// the player must read gives that failure whole.
struct Failure {
  enum class Kind {
    Logged,    // a line in the Log; the game goes on
    Beeped,    // the system beep; the game goes on
    NotSaved,  // a line in the Log; the file was left as it was
    Fatal,     // the start-up cannot go on
    Shown,     // a message the player must read now (no Log line); the game goes on
  };
  Kind kind = Kind::Logged;
  std::string message;  // the Log line, or the text shown
  std::string file;     // the file that could not be saved (NotSaved)
  std::string reason;   // what the system said, when it said anything

  static Failure logged(std::string message, std::string reason = {});
  static Failure beeped(std::string message);
  static Failure notSaved(std::string file, std::string message, std::string reason);
  static Failure fatal(std::string message, std::string reason = {});
  static Failure shown(std::string message, std::string reason = {});
};

void reportFailure(Game& g, const Failure& f);

// The message with the system's reason after it, as a console prints it.
std::string describe(const Failure& f);

}  // namespace vorlund

#pragma once
#include <filesystem>
#include <string>

#include "shell/failure.h"
#include "shell/recorded_game.h"

namespace vorlund {

// What a start finds of the game before it: last-game.vsim, closed or not.
struct LastGame {
  enum class State {
    None,        // no recording, or one a running game still holds
    Closed,      // it closed, or had no input to lose
    Unclosed,    // it did not close (a kill, a crash, a power cut): play it again
    Unplayable,  // it did not close, and cannot be played again
  };
  State state = State::None;
  RecordedGame recording;
  std::string why;  // Unplayable: why not
};

// Reads the game folder's last-game.vsim. `installed` is the installed game
// data, which must still hold the files the recording takes from it.
LastGame examineLastGame(const std::filesystem::path& dir, const std::filesystem::path& installed);

// Keeps an unplayable recording as last-game.vsim.bak (or .bak.1 ...), so
// that the next game may take its place; what the player is told.
Failure setLastGameAside(const std::filesystem::path& dir, const std::string& why);

}  // namespace vorlund

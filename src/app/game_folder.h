#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vorlund::app {

// The player's own game folder: $XDG_DATA_HOME/vorlund, or
// ~/.local/share/vorlund when that is unset or not an absolute path. Empty
// when neither variable helps.
std::filesystem::path userGameFolder(const char* xdgDataHome, const char* home);

// Copies every regular file of `data` that `dir` lacks into `dir`, creating
// `dir` when needed, but for the read-only data (textures and tune), which the
// game reads from `data` so that an upgrade reaches the player. A file
// already there is never overwritten: play changes some of them. Copies are
// written aside and renamed into place, so a copy cut short never passes for
// a whole file; they are writable by the player.
// Returns one line per file or folder that could not be made.
std::vector<std::string> copyMissing(const std::filesystem::path& data,
                                     const std::filesystem::path& dir);

struct FolderChoice {
  std::filesystem::path dir;        // where the game plays; empty when there is none
  std::vector<std::string> errors;  // what went wrong on the way
};

// Where the game plays: the current folder when it holds the game's files,
// the player may write there and it is none of the `installed` data folders
// (a developer's build/game, a folder of an older game); otherwise the
// player's own folder, first filled with what it lacks of the installed data
// (the first of `dataCandidates` that holds the game's files). An installed
// data folder is never the game folder, not even for root, who may write
// there: play would change what the package owns and an upgrade replaces.
FolderChoice chooseGameFolder(const std::filesystem::path& current,
                              const std::vector<std::filesystem::path>& dataCandidates,
                              const std::vector<std::filesystem::path>& installed,
                              const char* xdgDataHome, const char* home);

}  // namespace vorlund::app

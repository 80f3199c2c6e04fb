#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorlund::app {

// The player's own game folder: $XDG_DATA_HOME/vorlund, or
// ~/.local/share/vorlund when that is unset or not an absolute path. Empty
// when neither variable helps.
std::filesystem::path userGameFolder(const char* xdgDataHome, const char* home);

// Copies every regular file of `data` that `dir` lacks into `dir`, creating
// `dir` when needed. A file already there is never overwritten: play changes
// some of them. Copies are written aside and renamed into place, so a copy
// cut short never passes for a whole file; they are writable by the player.
// Returns one line per file or folder that could not be made. Only the files
// whose names `wanted` takes are copied, when it is given.
std::vector<std::string> copyMissing(
    const std::filesystem::path& data, const std::filesystem::path& dir,
    const std::function<bool(const std::string& name)>& wanted = {});

struct FolderChoice {
  std::filesystem::path dir;        // where the game plays; empty when there is none
  std::vector<std::string> errors;  // what went wrong on the way
};

// Where the game plays: the current folder when it holds the game's files
// and the player may write there (a developer's build/game, a folder of an
// older game); otherwise the
// player's own folder, first filled with what it lacks of the installed data
// (the first of `dataCandidates` that holds the game's files).
FolderChoice chooseGameFolder(const std::filesystem::path& current,
                              const std::vector<std::filesystem::path>& dataCandidates,
                              const char* xdgDataHome, const char* home);

}  // namespace vorlund::app

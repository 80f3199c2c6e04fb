#pragma once
#include <filesystem>
#include <vector>

namespace vorlund {

// Whether a folder holds the game's files: the hex sphere the fights are
// fought on, without which the game cannot start.
bool holdsGameFiles(const std::filesystem::path& dir);

// Where the installed, read-only game data may be, most likely first: beside
// the running program (wherever its tree was installed or built), then the
// folder the build was configured with.
std::vector<std::filesystem::path> installedDataCandidates();

// The first of those that holds the game's files; empty when none does.
std::filesystem::path installedDataFolder();

}  // namespace vorlund

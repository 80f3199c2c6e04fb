#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

namespace vorlund {

// The tune, played once at the start.
inline constexpr std::string_view kTuneFile = "wendlebrook_song_one.mp3";

// Whether a folder holds the game's files: the hex sphere the fights are
// fought on, without which the game cannot start.
bool holdsGameFiles(const std::filesystem::path& dir);

// The folders the game's data was installed into: the one the build laid out
// beside the running program (wherever the packager's tree was put, even
// below a staging root), then the one the build was configured with. Neither
// is ever a game folder: play would write into what an upgrade replaces.
std::vector<std::filesystem::path> installedDataFolders();

// Whether `dir` is one of `installed` (the same folder, whatever the path).
bool isInstalledDataFolder(const std::filesystem::path& dir,
                           const std::vector<std::filesystem::path>& installed);

// Where the installed, read-only game data may be, most likely first: the
// installed folders, with a build's ready game folder beside its programs
// after the one beside the program.
std::vector<std::filesystem::path> installedDataCandidates();

// The first of those that holds the game's files; empty when none does.
std::filesystem::path installedDataFolder();

// Files that play never changes and an upgrade brings new: the 145 textures
// and the tune. They are read from the installed data when the game folder
// has none of its own, and never copied into it.
bool isReadOnlyDataFile(std::string_view name);

// Where to read such a file: the game folder's own when there is anything at
// that name, else the installed data's; the game folder's when neither has
// one, so that a failure names the file where the player looks for it.
std::filesystem::path readOnlyDataFile(const std::filesystem::path& gameDir,
                                       std::string_view name);

}  // namespace vorlund

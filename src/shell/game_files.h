#pragma once
#include <filesystem>
#include <string_view>

namespace vorlund {

// Whether a file name is one the game reads or writes in its folder: the
// lists, the sphere and its tables, the state files, the textures, the tune,
// the recordings, a file set aside (NAME.bak, NAME.bak.1, ...) and the
// writer's temporary files.
bool isGameFileName(std::string_view name);

// Whether `file` is one the game reads or writes: a file of the game folder
// `dir` by one of the names above, or the settings file `settings` (none
// when empty), or one set aside beside it. Nothing the player saves may
// take such a file's place.
bool isGameFile(const std::filesystem::path& dir, const std::filesystem::path& settings,
                const std::filesystem::path& file);

}  // namespace vorlund

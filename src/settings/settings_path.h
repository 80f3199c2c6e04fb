#pragma once
#include <filesystem>
#include <optional>

#include "state/failure.h"

namespace vorlund {

// Why the settings may not be kept in `file`, or nothing when they may: only a
// regular file (or a link to one) is read, set aside when it cannot be read,
// and replaced; a file that is not there yet is made, in a folder that
// exists. A device, a pipe, a folder, a link to one of them or to nothing,
// and a file in a folder that does not exist are refused, and nothing is
// moved or made for them. `folderMayBeMade`: the folder is the game's own
// (the desktop's config folder for Vorlund), made when it is missing.
[[nodiscard]] std::optional<Failure> settingsPathFault(const std::filesystem::path& file, bool folderMayBeMade);

}  // namespace vorlund

#pragma once
#include <cstddef>
#include <filesystem>
#include <string>

#include "world/file_bytes.h"

namespace vorlund {

enum class StateFileRead { Read, Missing, NotRegular, Unreadable, TooLong };

// Reads a state file of at most `limit` bytes. Only a regular file is read,
// and it is opened so that a pipe or a device in its place cannot block the
// game; of a longer file only the first limit + 1 bytes are read, so that
// its reader can still tell what it is and that it is too long.
StateFileRead readStateFile(const std::filesystem::path& path, std::size_t limit, Bytes& out);

// Why a file could not be read, in the words of the Log.
std::string readFailureText(StateFileRead r);

// Renames a state file the game could not understand to NAME.bak, so that
// the next save does not destroy what may still be recovered from it.
bool setAside(const std::filesystem::path& path);

}  // namespace vorlund

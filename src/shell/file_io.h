#pragma once
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "shell/little_endian.h"

namespace vorlund {

// How reading or writing a file ended.
struct [[nodiscard]] FileResult {
  enum class Code {
    Ok,
    Missing,     // there is no such file
    NotRegular,  // a folder, a device, a pipe... in the file's place
    TooLarge,    // more bytes than the reader was willing to take
    ReadOnly,    // the player took away the owner's write permission
    Failed,      // the system refused; `detail` says why
  };
  Code code = Code::Ok;
  std::string detail;

  bool ok() const { return code == Code::Ok; }
  explicit operator bool() const { return ok(); }
  // Plain words for a message, e.g. "not a regular file"; "" when all went well.
  std::string reason() const;
};

// Replaces the file with `bytes` so that no failure and no crash can leave it
// half written: the bytes go to a new file of a unique name in the same
// folder (created exclusively, never through a link, with the old file's
// permission bits), which is flushed to disk and renamed over the old one;
// then the folder is flushed. A file the player made read-only, or something
// other than a regular file in its place, is left alone. On any failure the
// old file stays as it was and no temporary file remains.
FileResult writeFileAtomically(const std::filesystem::path& path,
                               std::span<const unsigned char> bytes);
FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view text);

// Reads a whole regular file of at most maxBytes bytes into `out` (emptied
// first, and left empty on failure); a longer file is TooLarge. Never opens
// what is not a regular file, and never blocks on a pipe or a device put in
// the file's place.
FileResult readFileBounded(const std::filesystem::path& path, std::size_t maxBytes, Bytes& out);

// The same for a format whose reader ignores what follows its records: reads
// the first maxBytes bytes at most and leaves the rest of the file unread.
FileResult readFileStart(const std::filesystem::path& path, std::size_t maxBytes, Bytes& out);

// Moves a file the game could not read or understand out of the way, so that
// a new one can take its name while nothing it may still hold is lost: to
// NAME.bak, or NAME.bak.1, .2, ... when that name is taken, for an older copy
// is never replaced. `aside` receives the name it now has.
FileResult keepAside(const std::filesystem::path& path, std::filesystem::path& aside);

// Whether a file name is one the atomic writer gives its new files before
// they take the real name: NAME.PID-N-M.tmp.
bool isWriterTemporary(std::string_view name);

// Removes from the folder the writer's new files that a killed program left
// behind (regular files only, never what a link points to); what the game
// saves there is renamed into place, so none of them holds anything kept.
void removeWriterLeftovers(const std::filesystem::path& folder);

// Puts the folder's record of a file just created or renamed on disk.
FileResult flushFolderOf(const std::filesystem::path& path);

}  // namespace vorlund

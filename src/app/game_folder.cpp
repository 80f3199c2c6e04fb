#include "app/game_folder.h"

#include <unistd.h>

#include <cstddef>
#include <system_error>

#include "shell/data_folder.h"
#include "shell/file_io.h"

namespace vorlund::app {

namespace fs = std::filesystem;

fs::path userGameFolder(const char* xdgDataHome, const char* home) {
  if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / "vorlund";
  if (home && *home && fs::path(home).is_absolute())
    return fs::path(home) / ".local" / "share" / "vorlund";
  return {};
}

namespace {

bool missing(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() == fs::file_type::not_found;
}

// The music is the largest of the game's data files, at a megabyte or two.
constexpr std::size_t kLargestDataFile = std::size_t{64} << 20;

// One file into place through the game's one writer: a new file of a unique
// name beside it, created exclusively and never through a link (a link put at
// a name the game would use cannot make it write elsewhere), writable for the
// player whatever the installed file's bits, flushed and renamed.
std::optional<std::string> copyOne(const fs::path& from, const fs::path& to) {
  Bytes bytes;
  FileResult r = readFileBounded(from, kLargestDataFile, bytes);
  if (r && missing(to)) r = writeFileAtomically(to, bytes);
  if (!r) return "Cannot copy " + from.string() + " to " + to.string() + ": " + r.reason();
  return std::nullopt;
}

}  // namespace

std::vector<std::string> copyMissing(const fs::path& data, const fs::path& dir) {
  std::vector<std::string> errors;
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) return {"Cannot create the game folder " + dir.string() + ": " + ec.message()};
  for (fs::directory_iterator it(data, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const fs::path to = dir / it->path().filename();
    if (isReadOnlyDataFile(it->path().filename().string()) || !missing(to)) continue;
    if (auto error = copyOne(it->path(), to)) errors.push_back(*error);
  }
  if (ec) errors.push_back("Cannot read " + data.string() + ": " + ec.message());
  return errors;
}

FolderChoice chooseGameFolder(const fs::path& current, const std::vector<fs::path>& dataCandidates,
                              const std::vector<fs::path>& installed, const char* xdgDataHome,
                              const char* home) {
  FolderChoice choice;
  // A folder the player cannot write to would lose the game at close.
  if (holdsGameFiles(current) && ::access(current.c_str(), W_OK) == 0 &&
      !isInstalledDataFolder(current, installed)) {
    choice.dir = current;
    return choice;
  }
  const fs::path own = userGameFolder(xdgDataHome, home);
  if (own.empty()) {
    choice.errors.push_back("Neither XDG_DATA_HOME nor HOME names a folder for the game");
    return choice;
  }
  if (isInstalledDataFolder(own, installed)) {
    choice.errors.push_back("The game folder " + own.string() +
                            " is the installed game data, which play must not change");
    return choice;
  }
  for (const fs::path& data : dataCandidates) {
    if (!holdsGameFiles(data)) continue;
    choice.errors = copyMissing(data, own);
    break;
  }
  if (holdsGameFiles(own))
    choice.dir = own;
  else
    choice.errors.push_back("No game files in " + own.string() +
                            " and no installed game data to copy there");
  return choice;
}

}  // namespace vorlund::app

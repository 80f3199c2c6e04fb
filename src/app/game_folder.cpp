#include "app/game_folder.h"

#include <unistd.h>

#include <system_error>

namespace vorlund::app {

namespace fs = std::filesystem;

bool holdsGameFiles(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / "aorb1.orb", ec) && fs::is_regular_file(dir / "atri1.tri", ec);
}

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

// One file into place: a copy beside it under a name of its own, made
// writable for the player, then renamed.
std::optional<std::string> copyOne(const fs::path& from, const fs::path& to) {
  const fs::path part = to.string() + ".part" + std::to_string(::getpid());
  std::error_code ec;
  fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec);
  if (!ec)
    fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    ec);
  if (!ec && missing(to)) fs::rename(part, to, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(part, ignored);
    return "Cannot copy " + from.string() + " to " + to.string() + ": " + ec.message();
  }
  std::error_code ignored;
  fs::remove(part, ignored);  // only left when the file appeared meanwhile
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
    if (!missing(to)) continue;
    if (auto error = copyOne(it->path(), to)) errors.push_back(*error);
  }
  if (ec) errors.push_back("Cannot read " + data.string() + ": " + ec.message());
  return errors;
}

FolderChoice chooseGameFolder(const fs::path& current, const std::vector<fs::path>& dataCandidates,
                              const char* xdgDataHome, const char* home) {
  FolderChoice choice;
  // A folder the player cannot write to (the installed data itself) would
  // lose the game at close.
  if (holdsGameFiles(current) && ::access(current.c_str(), W_OK) == 0) {
    choice.dir = current;
    return choice;
  }
  const fs::path own = userGameFolder(xdgDataHome, home);
  if (own.empty()) {
    choice.errors.push_back("Neither XDG_DATA_HOME nor HOME names a folder for the game");
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

#include "settings/settings_path.h"

#include <system_error>

namespace vorlund {

namespace fs = std::filesystem;

std::optional<Failure> settingsPathFault(const fs::path& file, bool folderMayBeMade) {
  if (!file.has_filename()) return Failure::logged("not a file name");
  std::error_code ec;
  const fs::file_status itself = fs::symlink_status(file, ec);
  if (itself.type() == fs::file_type::not_found) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const fs::file_status place = fs::status(folder, ec);
    if (fs::is_directory(place)) return std::nullopt;
    if (place.type() == fs::file_type::not_found && folderMayBeMade) return std::nullopt;
    if (place.type() == fs::file_type::not_found)
      return Failure::logged("there is no folder " + folder.string());
    return Failure::logged(folder.string() + " is not a folder");
  }
  if (ec) return Failure::logged(ec.message());
  const fs::file_status target = fs::status(file, ec);
  if (fs::is_symlink(itself) && target.type() == fs::file_type::not_found)
    return Failure::logged("a link to nothing");
  if (!fs::is_regular_file(target)) return Failure::logged("not a regular file");
  return std::nullopt;
}

}  // namespace vorlund

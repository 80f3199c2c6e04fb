#include "shell/data_folder.h"

#include <system_error>

#ifndef VORLUND_DATA_DIR
#define VORLUND_DATA_DIR "/usr/local/share/vorlund"
#endif

namespace vorlund {

namespace fs = std::filesystem;

bool holdsGameFiles(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / "aorb1.orb", ec) && fs::is_regular_file(dir / "atri1.tri", ec);
}

std::vector<fs::path> installedDataCandidates() {
  std::vector<fs::path> found;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    found.push_back(exe.parent_path().parent_path() / "share" / "vorlund");
    // A build's programs in build/bin beside its ready game folder.
    found.push_back(exe.parent_path().parent_path() / "game");
  }
  found.emplace_back(VORLUND_DATA_DIR);
  return found;
}

fs::path installedDataFolder() {
  for (const fs::path& candidate : installedDataCandidates())
    if (holdsGameFiles(candidate)) return candidate;
  return {};
}

}  // namespace vorlund

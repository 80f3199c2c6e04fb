#include "shell/data_folder.h"

#include <cctype>
#include <system_error>

#include "solar/solar_state.h"

// Both come from the build: the data folder it was configured with, and the
// way from the programs' folder to the data folder in the tree it installs.
#ifndef VORLUND_DATA_DIR
#define VORLUND_DATA_DIR "/usr/local/share/vorlund"
#endif
#ifndef VORLUND_DATA_FROM_BINDIR
#define VORLUND_DATA_FROM_BINDIR "../share/vorlund"
#endif

namespace vorlund {

namespace fs = std::filesystem;

namespace {

fs::path programFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : exe.parent_path();
}

bool somethingAt(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

}  // namespace

bool holdsGameFiles(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / "aorb1.orb", ec) && fs::is_regular_file(dir / "atri1.tri", ec);
}

std::vector<fs::path> installedDataFolders() {
  std::vector<fs::path> found;
  const fs::path bin = programFolder();
  if (!bin.empty()) found.push_back((bin / VORLUND_DATA_FROM_BINDIR).lexically_normal());
  found.emplace_back(VORLUND_DATA_DIR);
  return found;
}

bool isInstalledDataFolder(const fs::path& dir, const std::vector<fs::path>& installed) {
  for (const fs::path& data : installed) {
    std::error_code ec;
    if (fs::equivalent(dir, data, ec) && !ec) return true;
  }
  return false;
}

std::vector<fs::path> installedDataCandidates() {
  std::vector<fs::path> found = installedDataFolders();
  const fs::path bin = programFolder();
  // A build's programs in build/bin beside its ready game folder.
  if (!bin.empty()) found.insert(found.begin() + 1, bin.parent_path() / "game");
  return found;
}

fs::path installedDataFolder() {
  for (const fs::path& candidate : installedDataCandidates())
    if (holdsGameFiles(candidate)) return candidate;
  return {};
}

bool isReadOnlyDataFile(std::string_view name) {
  if (name == kTuneFile) return true;
  // Fig13000.bmp .. Fig13144.bmp: one texture a body
  constexpr std::string_view kPrefix = "Fig13", kSuffix = ".bmp";
  if (name.size() != kPrefix.size() + 3 + kSuffix.size() || !name.starts_with(kPrefix) ||
      !name.ends_with(kSuffix))
    return false;
  const std::string_view digits = name.substr(kPrefix.size(), 3);
  for (char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0') < kBodyCount;
}

fs::path readOnlyDataFile(const fs::path& gameDir, std::string_view name) {
  const fs::path own = gameDir / name;
  if (somethingAt(own)) return own;
  const fs::path data = installedDataFolder();
  if (!data.empty() && somethingAt(data / name)) return data / name;
  return own;
}

}  // namespace vorlund

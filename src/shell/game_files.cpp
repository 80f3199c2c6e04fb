#include "shell/game_files.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "fighters/graveyard_file.h"
#include "fighters/roster_files.h"
#include "fighters/text_files.h"
#include "shell/file_io.h"
#include "shell/recording.h"
#include "solar/planet_file.h"
#include "world/mesh_files.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"

namespace vorlund {
namespace {

namespace fs = std::filesystem;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Fig13000.bmp .. Fig13144.bmp, the textures of the 145 bodies.
bool isTextureName(std::string_view name) {
  constexpr std::string_view kStart = "Fig13", kEnd = ".bmp";
  if (name.size() != kStart.size() + 3 + kEnd.size() || !name.starts_with(kStart) ||
      !name.ends_with(kEnd))
    return false;
  const std::string_view digits = name.substr(kStart.size(), 3);
  if (!std::all_of(digits.begin(), digits.end(), isDigit)) return false;
  return std::stoi(std::string(digits)) <= 144;
}

// NAME.bak, or NAME.bak.N beside older ones.
bool isSetAside(std::string_view name) {
  if (const std::size_t dot = name.find_last_of('.');
      dot != std::string_view::npos && dot + 1 < name.size() &&
      std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(), isDigit))
    name = name.substr(0, dot);
  return name.size() > 4 && name.ends_with(".bak");
}

// Where a file that may not exist yet lies: its folder, links resolved.
fs::path placeOf(const fs::path& file) {
  std::error_code ec;
  fs::path place = fs::weakly_canonical(fs::absolute(file, ec), ec);
  return ec ? file.lexically_normal() : place;
}

fs::path folderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool sameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec) || placeOf(a) == placeOf(b);
}

}  // namespace

bool isGameFileName(std::string_view name) {
  static constexpr std::string_view kNames[] = {
      kNamesFile,       "races.txt",       "risks.txt",       kCellFileName,
      kTriangleFileName, kNeighbourFileName, kRingFileName,    kPlanetFileName,
      kRosterFileName,  kGraveFileName,    kLastGameFile,     kPreviousGameFile,
      "wendlebrook_song_one.mp3"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames) ||
         isTextureName(name) || isSetAside(name) || isWriterTemporary(name);
}

bool isGameFile(const fs::path& dir, const fs::path& settings, const fs::path& file) {
  const std::string name = file.filename().string();
  if (!settings.empty()) {
    if (placeOf(file) == placeOf(settings)) return true;
    if (name.starts_with(settings.filename().string()) && isSetAside(name) &&
        sameFolder(folderOf(file), folderOf(settings)))
      return true;
  }
  return isGameFileName(name) && sameFolder(folderOf(file), dir);
}

}  // namespace vorlund

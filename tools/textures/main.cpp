// Makes the 145 body textures, Fig13000.bmp..Fig13144.bmp, in the game folder:
//
//   vorlund-textures GAME_DIR
//
// Every image is worked out from noise with fixed seeds, so each run writes
// the same bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bmp_file.h"
#include "surfaces.h"

namespace {

constexpr int kTextureCount = 145;

std::string fileName(int k) {
  char name[16];
  std::snprintf(name, sizeof name, "Fig13%03d.bmp", k);
  return name;
}

// Through a temporary file, so that an interrupted build leaves no half image.
bool writeWhole(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temp, file, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vorlund-textures GAME_DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  for (int k = 0; k < kTextureCount; ++k) {
    const std::string bytes = vorlund::textures::bmpBytes(paint(vorlund::textures::surfaceOf(k)));
    if (!writeWhole(dir / fileName(k), bytes)) {
      std::fprintf(stderr, "vorlund-textures: cannot write %s\n", (dir / fileName(k)).c_str());
      return 1;
    }
  }
  return 0;
}

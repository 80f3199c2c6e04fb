// Makes the 145 body textures, Fig13000.bmp..Fig13144.bmp, in the game folder:
//
//   vorlund-textures GAME_DIR
//
// Every image is worked out from noise with fixed seeds, so each run writes
// the same bytes.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bmp_file.h"
#include "shell/file_io.h"
#include "surfaces.h"

namespace {

constexpr int kTextureCount = 145;

std::string fileName(int k) {
  char name[16];
  std::snprintf(name, sizeof name, "Fig13%03d.bmp", k);
  return name;
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
    // The game's atomic writer: an interrupted build leaves no half image,
    // and two builds at once never write through each other's file.
    const std::filesystem::path file = dir / fileName(k);
    if (const vorlund::FileResult r = vorlund::writeFileAtomically(file, bytes); !r) {
      std::fprintf(stderr, "vorlund-textures: cannot write %s: %s\n", file.c_str(),
                   r.reason().c_str());
      return 1;
    }
  }
  return 0;
}

#include "support/test_game.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "state/file_io.h"
#include "world/neighbour_table.h"
#include "world/world_load.h"

namespace vorlund::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("vorlund-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TempDir::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TestGame::TestGame() : TestGame(nullptr) {}

TestGame::TestGame(std::unique_ptr<SettingsStore> store)
    : platform(std::make_unique<SpyPlatform>(std::move(store))), game(std::make_unique<Game>()) {
  game->dir = dir.path();
  game->platform = platform.get();
}

void copyGameFiles(const TempDir& dir, const std::vector<std::string>& names) {
  for (const auto& n : names)
    std::filesystem::copy_file(std::filesystem::path(VORLUND_GAME_DIR) / n, dir.path() / n,
                               std::filesystem::copy_options::overwrite_existing);
}

namespace {

// One folder per test program holding the sphere and the tables made from it.
const TempDir& worldCache() {
  static const TempDir cache;
  static const bool made = [] {
    copyGameFiles(cache, {"aorb1.orb", "atri1.tri"});
    NullPlatform platform;
    Game g;
    g.dir = cache.path();
    g.platform = &platform;
    if (!loadWorld(g)) return false;
    setupTables(g);
    saveRingTable(g);
    return writeFileAtomically(cache.path() / kNeighbourFileName, encodeNeighbourTable(g.world))
        .ok();
  }();
  (void)made;
  return cache;
}

}  // namespace

void installWorld(const TempDir& dir) {
  const TempDir& cache = worldCache();
  for (const char* name : {"aorb1.orb", "atri1.tri", "adia2.equ", "face.equ"})
    std::filesystem::copy_file(cache.path() / name, dir.path() / name,
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace vorlund::test

// Start-up cost of the world: the cold computation of the ring and neighbour
// tables, and a start with both tables cached in the game folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "state/file_io.h"
#include "state/game.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/world_load.h"

namespace {

using namespace vorlund;

const std::filesystem::path kShipped = VORLUND_GAME_DIR;

// A folder with the shipped mesh and, when asked, both cached tables.
class BenchFolder {
 public:
  explicit BenchFolder(bool cachedTables) {
    path_ = std::filesystem::temp_directory_path() /
            ("vorlund-world-bench-" + std::to_string(::getpid()) + (cachedTables ? "-c" : ""));
    std::filesystem::create_directories(path_);
    for (const char* name : {"aorb1.orb", "atri1.tri"}) {
      if (!std::filesystem::exists(kShipped / name)) return;
      std::filesystem::copy_file(kShipped / name, path_ / name,
                                 std::filesystem::copy_options::overwrite_existing);
    }
    ok_ = true;
    if (!cachedTables) return;
    Game g;
    g.dir = path_;
    ok_ = loadWorld(g);
    setupTables(g);
    saveRingTable(g);
    ok_ = ok_ && writeFileAtomically(path_ / kNeighbourFileName, encodeNeighbourTable(g.world));
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  // False, with the benchmark marked as failed, when the sphere is missing.
  bool usable(benchmark::State& state) const {
    if (!ok_) state.SkipWithError("no sphere in the game folder");
    return ok_;
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool ok_ = false;
};

// Both tables from scratch: every distance measured, rings, neighbours, pruning.
void BM_ComputeBothTables(benchmark::State& state) {
  BenchFolder folder(false);
  if (!folder.usable(state)) return;
  Game g;
  g.dir = folder.path();
  loadWorld(g);
  for (auto _ : state) {
    setupTables(g);
    benchmark::DoNotOptimize(g.world.neighbours.data());
  }
}
BENCHMARK(BM_ComputeBothTables)->Unit(benchmark::kMillisecond);

// The world's whole share of a start-up with "adia2.equ" and "face.equ" present.
void BM_StartWithCachedTables(benchmark::State& state) {
  BenchFolder folder(true);
  if (!folder.usable(state)) return;
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<Game>();
    g->dir = folder.path();
    state.ResumeTiming();
    loadWorld(*g);
    setupTables(*g);
    benchmark::DoNotOptimize(g->world.ring.data());
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartWithCachedTables)->Unit(benchmark::kMillisecond);

// The mesh alone: both files, corner matching, centres and the texture strip.
void BM_LoadWorld(benchmark::State& state) {
  BenchFolder folder(false);
  if (!folder.usable(state)) return;
  Game g;
  g.dir = folder.path();
  for (auto _ : state) benchmark::DoNotOptimize(loadWorld(g));
}
BENCHMARK(BM_LoadWorld)->Unit(benchmark::kMillisecond);

// What each Up or Down key costs the cursor.
void BM_AntipodeSearch(benchmark::State& state) {
  BenchFolder folder(false);
  if (!folder.usable(state)) return;
  Game g;
  g.dir = folder.path();
  loadWorld(g);
  std::int32_t cell = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(antipodeSearch(g.world, cellPosition(g.world, cell)));
    cell = cell % kSphereCellCount + 1;
  }
}
BENCHMARK(BM_AntipodeSearch)->Unit(benchmark::kMicrosecond);

}  // namespace

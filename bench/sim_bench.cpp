// What an idle tick of vorlund-sim costs beside the orbit advance it runs,
// and how near that advance is to the bound its serial update sets: each
// body's velocity and position move 144 times in a row, every addition
// waiting for the one before, in extended precision.
//
// BM_IdleTickBesideOrbitAdvance times both in the same run, batch after
// batch, on the thread's CPU clock so that a busy machine weighs on both
// alike: "rest%" is what the tick spends outside the advance, as a share of
// the advance.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <string>

#include "sim/sim_session.h"
#include "solar/orbits.h"
#include "state/game.h"

namespace {

using namespace vorlund;

constexpr int kTicksPerBatch = 64;
constexpr int kStepsPerTick = kBodyCount * kLastBodyIndex;

double threadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// vorlund-sim started in a copy of the game folder, past its first tick,
// with no fight: the state a replay spends most of its ticks in.
class IdleSim {
 public:
  IdleSim() {
    folder_ = std::filesystem::temp_directory_path() /
              ("vorlund-sim-bench-" + std::to_string(::getpid()));
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    std::filesystem::copy(VORLUND_GAME_DIR, folder_,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing,
                          ec);
    sim::SimOptions options;
    options.seeded = true;
    options.seed = 1;
    options.dir = folder_.string();
    session_ = std::make_unique<sim::SimSession>(options, out_, err_);
    ready_ = !ec && session_->start() && !session_->execute("tick").stop;
  }
  ~IdleSim() {
    session_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  bool usable(benchmark::State& state) const {
    if (!ready_) state.SkipWithError("vorlund-sim did not start in the game folder");
    return ready_;
  }
  void ticks() { session_->execute("tick " + std::to_string(kTicksPerBatch)); }
  Game& game() { return session_->game(); }

 private:
  std::filesystem::path folder_;
  std::ostringstream out_, err_;
  std::unique_ptr<sim::SimSession> session_;
  bool ready_ = false;
};

IdleSim& idleSim() {
  static IdleSim sim;
  return sim;
}

// A batch of idle ticks as the sim plays a "tick 64" line.
void BM_SimIdleTick(benchmark::State& state) {
  IdleSim& sim = idleSim();
  if (!sim.usable(state)) return;
  for (auto _ : state) sim.ticks();
  state.SetItemsProcessed(state.iterations() * kTicksPerBatch);
}
BENCHMARK(BM_SimIdleTick)->Unit(benchmark::kMillisecond);

// The orbit advance alone, as many times, on the same bodies.
void BM_SimOrbitAdvance(benchmark::State& state) {
  IdleSim& sim = idleSim();
  if (!sim.usable(state)) return;
  for (auto _ : state)
    for (int t = 0; t < kTicksPerBatch; ++t) orbitAdvance(sim.game());
  state.SetItemsProcessed(state.iterations() * kTicksPerBatch);
}
BENCHMARK(BM_SimOrbitAdvance)->Unit(benchmark::kMillisecond);

void BM_IdleTickBesideOrbitAdvance(benchmark::State& state) {
  IdleSim& sim = idleSim();
  if (!sim.usable(state)) return;
  double tickSeconds = 0.0, orbitSeconds = 0.0;
  for (auto _ : state) {
    const double t0 = threadCpuSeconds();
    sim.ticks();
    const double t1 = threadCpuSeconds();
    for (int t = 0; t < kTicksPerBatch; ++t) orbitAdvance(sim.game());
    const double t2 = threadCpuSeconds();
    tickSeconds += t1 - t0;
    orbitSeconds += t2 - t1;
  }
  const double ticks = static_cast<double>(state.iterations()) * kTicksPerBatch;
  state.counters["tick_us"] = 1e6 * tickSeconds / ticks;
  state.counters["orbit_us"] = 1e6 * orbitSeconds / ticks;
  state.counters["rest%"] = 100.0 * (tickSeconds - orbitSeconds) / orbitSeconds;
}
BENCHMARK(BM_IdleTickBesideOrbitAdvance)->Unit(benchmark::kMillisecond);

// The serial update by itself, the kicks already worked out: for every body
// in turn, 144 times velocity += kick and position += velocity on each axis,
// in extended precision. No order of the pairs' arithmetic could make the
// advance faster than this.
void BM_SerialUpdateAlone(benchmark::State& state) {
  Game& g = idleSim().game();
  alignas(64) static std::array<std::array<double, kBodyCount>, 3> kick{};
  for (int j = 0; j < kBodyCount; ++j)
    for (int axis = 0; axis < 3; ++axis) kick[axis][j] = 1e-3 * (j + 1) * (axis + 1);
  for (auto _ : state) {
    for (int k = kLastBodyIndex; k >= 0; --k) {
      TPlanet& b = g.solar.bodies[k];
      long double vx = b.velocity.x, vy = b.velocity.y, vz = b.velocity.z;
      long double px = b.position.x, py = b.position.y, pz = b.position.z;
      for (int j = 0; j <= kLastBodyIndex; ++j) {
        if (j == k) continue;
        vx += kick[0][j];
        vy += kick[1][j];
        vz += kick[2][j];
        px += vx;
        py += vy;
        pz += vz;
      }
      benchmark::DoNotOptimize(px);
      benchmark::DoNotOptimize(py);
      benchmark::DoNotOptimize(pz);
      benchmark::DoNotOptimize(vx);
      benchmark::DoNotOptimize(vy);
      benchmark::DoNotOptimize(vz);
    }
  }
  state.SetItemsProcessed(state.iterations() * kStepsPerTick);
}
BENCHMARK(BM_SerialUpdateAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

// One tick of the solar system: 145 bodies, each pulled by the 144 others.
// The shipped advance runs beside the plain one-pair-at-a-time form of the
// same formulas in extended precision, so the two figures compare directly,
// and then once on each instruction set its gravity kernel has here.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "solar/body_table.h"
#include "solar/kick_terms.h"
#include "solar/orbits.h"
#include "solar/solar.h"
#include "state/game.h"

namespace {

using vorlund::Game;

constexpr int kStepsPerTick = 145 * 144;

std::unique_ptr<Game> freshSolarSystem() {
  auto g = std::make_unique<Game>();
  vorlund::setSolarFirstValues(*g);
  vorlund::rebuildSolarSystem(*g);
  return g;
}

void BM_OrbitAdvance(benchmark::State& state) {
  auto g = freshSolarSystem();
  for (auto _ : state) {
    vorlund::orbitAdvance(*g);
    benchmark::DoNotOptimize(g->solar.bodies[1].position.y);
  }
  state.SetItemsProcessed(state.iterations() * kStepsPerTick);
}
BENCHMARK(BM_OrbitAdvance)->Unit(benchmark::kMicrosecond);

void BM_OrbitAdvanceStepwise(benchmark::State& state) {
  auto g = freshSolarSystem();
  for (auto _ : state) {
    vorlund::orbitAdvanceStepwise(*g);
    benchmark::DoNotOptimize(g->solar.bodies[1].position.y);
  }
  state.SetItemsProcessed(state.iterations() * kStepsPerTick);
}
BENCHMARK(BM_OrbitAdvanceStepwise)->Unit(benchmark::kMicrosecond);

void BM_OrbitAdvanceOn(benchmark::State& state, std::int64_t target) {
  vorlund::forceKickTarget(target);
  BM_OrbitAdvance(state);
  vorlund::forceKickTarget(0);
}

const bool kEveryTarget = [] {
  for (const std::int64_t target : vorlund::kickTargets())
    benchmark::RegisterBenchmark(
        (std::string("BM_OrbitAdvanceOn/") + vorlund::kickTargetName(target)).c_str(),
        BM_OrbitAdvanceOn, target)
        ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace

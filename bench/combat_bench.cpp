// Whole fights to the death per second, headless, on the game folder's sphere.
#include <benchmark/benchmark.h>

#include <memory>
#include <thread>
#include <vector>

#include "bench_game.h"
#include "combat/fight_odds.h"
#include "combat/turn_step.h"
#include "solar/solar.h"

namespace vorlund {
namespace {

void runFights(benchmark::State& state, bool withSolar) {
  auto b = std::make_unique<BenchGame>();
  if (!b->ready) {
    state.SkipWithError("no sphere in the game folder");
    return;
  }
  b->game.rng.seed = 1;
  std::int64_t ticks = 0;
  for (auto _ : state) {
    b->newFight();
    // Two fearless fighters may dance for ever; such a fight is cut off.
    for (int t = 0; b->game.turnCounter >= 1 && t < 200000; ++t) {
      turnStep(b->game);
      finishPhase(b->game);
      if (withSolar) solarTick(b->game);
      ++ticks;
    }
  }
  state.counters["fights/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["ticks/fight"] =
      static_cast<double>(ticks) / static_cast<double>(state.iterations());
}

void BM_FightSolarExcluded(benchmark::State& state) {
  runFights(state, false);
}
void BM_FightSolarIncluded(benchmark::State& state) {
  runFights(state, true);
}
BENCHMARK(BM_FightSolarExcluded);
BENCHMARK(BM_FightSolarIncluded);

// The odds tooltip's count: 1000 whole fights of the match waiting for its
// release, on one thread (as vorlund-sim's odds) or shared out among
// `workers` threads (as the game does it, one per core).
void BM_Odds1000(benchmark::State& state) {
  auto b = std::make_unique<BenchGame>();
  if (!b->ready) {
    state.SkipWithError("no sphere in the game folder");
    return;
  }
  b->newFight();
  b->game.turnCounter = 0;  // set up, not released
  b->game.rng.seed = 1;
  const OddsSetup setup = takeOddsSetup(b->game);
  const auto workers = static_cast<std::int64_t>(state.range(0));
  for (auto _ : state) {
    std::vector<FightOdds> parts(static_cast<std::size_t>(workers));
    {
      std::vector<std::jthread> threads;
      for (std::int64_t k = 0; k < workers; ++k)
        threads.emplace_back([&, k] {
          const std::int64_t first = 1000 * k / workers;
          parts[static_cast<std::size_t>(k)] =
              countOdds(setup, first, 1000 * (k + 1) / workers - first).value();
        });
    }
    FightOdds sum;
    for (const FightOdds& p : parts) sum += p;
    benchmark::DoNotOptimize(sum);
  }
  state.SetLabel(std::to_string(workers) + " thread(s)");
}
BENCHMARK(BM_Odds1000)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vorlund

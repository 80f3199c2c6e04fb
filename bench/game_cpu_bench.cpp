// The running game's own cost: the process's CPU time (all its threads,
// the GL rasteriser's included) over 20 seconds of the real game, idle and
// in the middle of fights, and idle with the grid of cells on, under an X
// server:
//
//   xvfb-run -a build-release/bench/game_cpu_bench
//
// "cpu" is the share of one core, "resident_MB" the process's resident size
// at the end of the measured time. The machine should be otherwise quiet.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "management/names_window.h"
#include "state/game.h"

namespace vorlund::app {
namespace {

constexpr int kWarmUpMs = 3000;
constexpr int kMeasuredMs = 20000;

double cpuSeconds() {
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
         static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) * 1e-6;
}

// The process's resident size now, in megabytes.
double residentMegabytes() {
  long pages = 0, resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Starts the next fight whenever one ends, through the Names menu as a
// player would: a new fighter from the wizard when his died.
void keepFighting(GameApp& app) {
  Game& g = app.game();
  if (g.turnCounter > 0) return;
  const auto& lines = g.names.lines();
  for (const char* choice : {"release fighters", "gamble in the stands", "human", "12"}) {
    const auto at = std::find(lines.begin(), lines.end(), choice);
    if (at != lines.end()) {
      clickNames(g, static_cast<int>(at - lines.begin()));
      app.sync();
      return;
    }
  }
  if (!lines.empty()) clickNames(g, 0);  // a name for a new fighter
  app.sync();
}

void runGame(benchmark::State& state, bool fighting, bool grid = false) {
  QTemporaryDir folder;
  const QDir built(VORLUND_GAME_DIR);
  for (const QString& file : built.entryList(QDir::Files))
    QFile::copy(built.filePath(file), QDir(folder.path()).filePath(file));
  QDir::setCurrent(folder.path());
  for (auto _ : state) {
    GameApp app;
    if (!app.start(1)) {
      state.SkipWithError("the game did not start");
      return;
    }
    app.game().solarScale = 1e-07;  // zoomed in, as after the start-up zoom
    app.game().zoomAnimation = false;
    app.game().gridOverlay = grid;
    QTimer fights;
    int samples = 0, samplesFighting = 0;
    QObject::connect(&fights, &QTimer::timeout, [&] {
      ++samples;
      samplesFighting += app.game().turnCounter > 0;
      if (fighting) keepFighting(app);
    });
    fights.start(100);
    runEventsFor(kWarmUpMs);
    const int framesBefore = app.mainWindow()->view()->framesPainted();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runEventsFor(kMeasuredMs);
    const double cpu = cpuSeconds() - cpuBefore;
    const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    state.counters["cpu%"] = 100.0 * cpu / seconds;
    state.counters["frames/s"] =
        (app.mainWindow()->view()->framesPainted() - framesBefore) / seconds;
    state.counters["fighting%"] = 100.0 * samplesFighting / std::max(samples, 1);
    state.counters["resident_MB"] = residentMegabytes();
    app.mainWindow()->close();
  }
}

void BM_GameIdle(benchmark::State& state) {
  runGame(state, false);
}
void BM_GameMidFight(benchmark::State& state) {
  runGame(state, true);
}
void BM_GameIdleGrid(benchmark::State& state) {
  runGame(state, false, true);
}
BENCHMARK(BM_GameIdle)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_GameMidFight)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_GameIdleGrid)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

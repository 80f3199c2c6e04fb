// One frame of the arena view (FormPaint and the wait for the rasteriser)
// at the designed window size, mid-fight, under an X server:
//
//   xvfb-run -a build-release/bench/frame_bench
//
// With and without the grid overlay, with textures kept in texture objects
// and re-uploaded at every selection.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QWindow>
#include <ctime>
#include <memory>

#include "app/arena_view.h"
#include "app/glyph_bitmaps.h"
#include "bench_game.h"
#include "combat/turn_step.h"
#include "loop/tick.h"
#include "render/arena_painter.h"
#include "state/game.h"

namespace vorlund {
namespace {

// The designed client area of the main window.
constexpr int kWidth = 691;
constexpr int kHeight = 511;

// A fight some turns old, the solar system zoomed in, the cursor shown.
struct MidFight : BenchGame {
  MidFight() {
    if (!ready) return;
    newFight();
    for (int t = 0; t < 60 && game.turnCounter >= 1; ++t) {
      turnStep(game);
      finishPhase(game);
    }
    game.solarScale = 1e-07;
    game.zapCountdown = 0;
  }
};

// A window with the arena's pixel format and its context, current.
struct Surface {
  Surface() {
    window.setSurfaceType(QSurface::OpenGLSurface);
    window.setFormat(QSurfaceFormat::defaultFormat());
    window.resize(kWidth, kHeight);
    window.show();
    context.setFormat(window.format());
    ready = context.create() && context.makeCurrent(&window);
  }
  QWindow window;
  QOpenGLContext context;
  bool ready = false;
};

double processCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Made once for all the benchmarks: the world tables take a while.
MidFight& midFight() {
  static MidFight fight;
  return fight;
}
std::unique_ptr<Surface>& surfaceHolder() {
  static std::unique_ptr<Surface> s;
  return s;
}
Surface& surface() {
  if (!surfaceHolder()) surfaceHolder() = std::make_unique<Surface>();
  return *surfaceHolder();
}

void paintFrames(benchmark::State& state, render::TextureMode mode, bool grid) {
  MidFight* fight = &midFight();
  if (!fight->ready || !surface().ready) {
    state.SkipWithError("no game folder or no GL context");
    return;
  }
  fight->game.gridOverlay = grid;
  render::ArenaPainter painter(fight->game, mode);
  if (painter.textures.InitPlanetGraphics(fight->game.dir)) {
    state.SkipWithError("no textures in the game folder");
    return;
  }
  try {
    // The surface's context outlives each painter, and a painter's start
    // multiplies the projection in, as on the fresh context of the game.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    painter.startGl(app::rasteriseGlyphs());
    painter.FormResize(kWidth, kHeight);
    // The rasteriser compiles its shaders on the first frames.
    for (int warmUp = 0; warmUp < 3; ++warmUp) painter.FormPaint();
    glFinish();
    const double cpuBefore = processCpuSeconds();
    for (auto _ : state) {
      painter.FormPaint();
      glFinish();
    }
    // The rasteriser's threads work for the frame too: what a frame costs
    // the machine, whatever else keeps it busy.
    state.counters["process_cpu_ms"] = benchmark::Counter(
        1e3 * (processCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations()));
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
  }
}

void BM_FrameTextureObjects(benchmark::State& state) {
  paintFrames(state, render::TextureMode::Objects, false);
}
void BM_FrameTextureObjectsGrid(benchmark::State& state) {
  paintFrames(state, render::TextureMode::Objects, true);
}
void BM_FrameReupload(benchmark::State& state) {
  paintFrames(state, render::TextureMode::Reupload, false);
}
void BM_FrameReuploadGrid(benchmark::State& state) {
  paintFrames(state, render::TextureMode::Reupload, true);
}
BENCHMARK(BM_FrameTextureObjects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameTextureObjectsGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameReupload)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameReuploadGrid)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlund

int main(int argc, char** argv) {
  vorlund::app::ArenaView::setDefaultFormat();
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  vorlund::surfaceHolder().reset();  // the window goes before the application
  return 0;
}

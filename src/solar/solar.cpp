#include "solar/solar.h"

#include "solar/orbits.h"
#include "state/game.h"

namespace vorlund {
namespace {

// The solar system zooms in from afar after a fresh build until its scale
// reaches 1e-07; the tick that finds it there stops the animation.
void zoomStep(Game& g) {
  if (!g.zoomAnimation) return;
  if (g.solarScale < 1e-07)
    g.solarScale *= 1.002;
  else
    g.zoomAnimation = false;
}

}  // namespace

void setSolarFirstValues(Game& g) {
  g.viewedBody = 4;
  g.lastBody = kLastBodyIndex;
  g.solarScale = 4.6e-09;
  g.ticksPerDay = 240.0L;
  g.secondsPerTick = 86400.0L / g.ticksPerDay;
  g.timeScaleDivisor = kTimeScaleDivisor;
}

void solarTick(Game& g) {
  orbitAdvance(g);
  zoomStep(g);
}

}  // namespace vorlund

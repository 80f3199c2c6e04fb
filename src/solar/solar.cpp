#include "solar/solar.h"

#include "shell/game.h"
#include "solar/orbits.h"

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

void solarTick(Game& g) {
  orbitAdvance(g);
  zoomStep(g);
}

}  // namespace vorlund

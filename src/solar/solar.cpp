#include "solar/solar.h"

#include "shell/game.h"

namespace vorlund {

void loadSolarSystem(Game&) {}
void saveSolarSystem(Game&) {}

void solarTick(Game& g) {
  if (!g.zoomAnimation) return;
  if (g.solarScale < 1e-07)
    g.solarScale *= 1.002;
  else
    g.zoomAnimation = false;
}

}  // namespace vorlund

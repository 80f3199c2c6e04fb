#pragma once

namespace vorlund {
struct Game;

// Loads "aapla2.pla" (or rebuilds the body table) and sets the body labels.
void loadSolarSystem(Game& g);

// Writes "aapla2.pla" (first step of the shutdown).
void saveSolarSystem(Game& g);

// The tick's solar-system work: spin, snapshots and pairwise gravity for
// bodies 144 down to 0, then the zoom animation.
void solarTick(Game& g);

}  // namespace vorlund

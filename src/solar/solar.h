#pragma once
#include <cstdint>

namespace vorlund {
struct Game;

// Divides the spin step: each tick turns a body by 1/1440 of its rotation
// period divided by this, so that a body with a one-day rotation turns
// once in 1440 ticks, 22.5 seconds at 64 ticks a second.
inline constexpr std::int32_t kTimeScaleDivisor = 1;

// The solar system's first values: body 4 in view, all 145 bodies, 240
// ticks a day, and the scale the zoom starts from.
void setSolarFirstValues(Game& g);

// Loads "aapla2.pla" (or rebuilds the body table) and sets the body labels.
void loadSolarSystem(Game& g);

// Writes "aapla2.pla" (first step of the shutdown).
void saveSolarSystem(Game& g);

// The tick's solar-system work: spin, snapshots and pairwise gravity for
// bodies 144 down to 0, then the zoom animation.
void solarTick(Game& g);

}  // namespace vorlund

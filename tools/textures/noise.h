#pragma once
#include <cstdint>

namespace vorlund::textures {

// Noise that tiles: every function here takes coordinates in [0, 1) across a
// square texture and gives the same value at 0 and at 1 on both axes, so the
// globe's repeating texture shows no seams. Everything is worked out from
// integer hashes, so the same seed gives the same image on every machine.

std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t c);
// A number in [0, 1) from a hash.
double unit(std::uint32_t h);

// Gradient noise on a grid of period x period cells, about -0.7..0.7.
double gradientNoise(double x, double y, int period, std::uint32_t seed);

// Octaves of gradient noise, the first on a grid of `period` cells, each
// next one twice as fine and `gain` times as strong; scaled to about -1..1.
double fractal(double x, double y, int period, int octaves, std::uint32_t seed, double gain = 0.5);

// Distances to the nearest and the second nearest of one jittered point per
// cell of a period x period grid, in cell widths.
struct CellDistances {
  double nearest = 0.0;
  double second = 0.0;
  std::uint32_t nearestId = 0;
};
CellDistances cellular(double x, double y, int period, std::uint32_t seed);

}  // namespace vorlund::textures

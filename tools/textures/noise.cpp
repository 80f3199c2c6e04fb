#include "noise.h"

#include <algorithm>
#include <cmath>

namespace vorlund::textures {
namespace {

// Eight gradient directions: no sine or cosine, whose last bit may differ
// from one C library to another.
constexpr double kDiagonal = 0.7071067811865476;
constexpr double kGradients[8][2] = {{1, 0},
                                     {-1, 0},
                                     {0, 1},
                                     {0, -1},
                                     {kDiagonal, kDiagonal},
                                     {-kDiagonal, kDiagonal},
                                     {kDiagonal, -kDiagonal},
                                     {-kDiagonal, -kDiagonal}};

double fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

int wrap(int i, int period) {
  return ((i % period) + period) % period;
}

double corner(int ix, int iy, double dx, double dy, int period, std::uint32_t seed) {
  const std::uint32_t h = hash(static_cast<std::uint32_t>(wrap(ix, period)),
                               static_cast<std::uint32_t>(wrap(iy, period)), seed);
  const double* g = kGradients[h >> 29];
  return g[0] * dx + g[1] * dy;
}

}  // namespace

std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  std::uint32_t h =
      a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double unit(std::uint32_t h) {
  return (h >> 8) * (1.0 / 16777216.0);
}

double gradientNoise(double x, double y, int period, std::uint32_t seed) {
  const double px = x * period, py = y * period;
  const int ix = static_cast<int>(std::floor(px)), iy = static_cast<int>(std::floor(py));
  const double fx = px - ix, fy = py - iy;
  const double u = fade(fx), v = fade(fy);
  const double a = corner(ix, iy, fx, fy, period, seed);
  const double b = corner(ix + 1, iy, fx - 1, fy, period, seed);
  const double c = corner(ix, iy + 1, fx, fy - 1, period, seed);
  const double d = corner(ix + 1, iy + 1, fx - 1, fy - 1, period, seed);
  return (a + (b - a) * u) + ((c + (d - c) * u) - (a + (b - a) * u)) * v;
}

double fractal(double x, double y, int period, int octaves, std::uint32_t seed, double gain) {
  double sum = 0.0, amplitude = 1.0, total = 0.0;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * gradientNoise(x, y, period << o, seed + 1013u * static_cast<unsigned>(o));
    total += amplitude;
    amplitude *= gain;
  }
  return std::clamp(1.6 * sum / total, -1.0, 1.0);
}

CellDistances cellular(double x, double y, int period, std::uint32_t seed) {
  const double px = x * period, py = y * period;
  const int ix = static_cast<int>(std::floor(px)), iy = static_cast<int>(std::floor(py));
  CellDistances d{1e9, 1e9, 0};
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      const auto cx = static_cast<std::uint32_t>(wrap(ix + i, period));
      const auto cy = static_cast<std::uint32_t>(wrap(iy + j, period));
      const std::uint32_t h = hash(cx, cy, seed);
      const double fx = ix + i + unit(h), fy = iy + j + unit(hash(h, cy, seed ^ 0xA5A5u));
      const double dist = std::sqrt((fx - px) * (fx - px) + (fy - py) * (fy - py));
      if (dist < d.nearest) {
        d.second = d.nearest;
        d.nearest = dist;
        d.nearestId = h;
      } else if (dist < d.second) {
        d.second = dist;
      }
    }
  return d;
}

}  // namespace vorlund::textures

#include "surfaces.h"

#include <cmath>

#include "noise.h"
#include "solar/body_table.h"

namespace vorlund::textures {
namespace {

constexpr int kLargeSide = 128;  // the sun, the planets and the large moons
constexpr int kSmallSide = 64;
constexpr int kLastLargeBody = 15;

double fract(double v) {
  return v - std::floor(v);
}

// 0 at whole numbers, 1 halfway between: a soft periodic wave.
double wave(double v) {
  const double f = fract(v);
  return 4 * f * (1 - f);
}

// Craters on a grid of `period` cells, one in some cells: -1 on a dark floor,
// up to +1 on a bright rim, 0 elsewhere.
double craters(double x, double y, int period, std::uint32_t seed, double share) {
  const CellDistances d = cellular(x, y, period, seed);
  if (unit(d.nearestId) > share) return 0.0;
  const double radius = 0.25 + 0.2 * unit(hash(d.nearestId, 7, seed));
  if (d.nearest < radius * 0.8) return -0.6 + 0.4 * d.nearest / radius;
  if (d.nearest < radius * 1.15) return 1.0 - std::abs(d.nearest - radius) / (radius * 0.35);
  return 0.0;
}

Rgb sun(const Surface& s, double x, double y) {
  const CellDistances g = cellular(x, y, 20, s.seed);
  const double granule = smoothstep(0.0, 0.5, g.second - g.nearest);
  const double mottle = fractal(x, y, 3, 4, s.seed + 1);
  const double spot = smoothstep(0.55, 0.75, fractal(x, y, 2, 3, s.seed + 2));
  const double heat = 0.45 + 0.35 * granule + 0.2 * mottle;
  const Ramp ramp{{0.0, s.dark}, {0.45, s.middle}, {0.8, s.light}, {1.0, {255, 250, 220}}};
  return shade(ramp(heat), 1.0 - 0.75 * spot);
}

Rgb bands(const Surface& s, double x, double y) {
  constexpr int kBelts = 7;
  const double t = y + 0.05 * fractal(x, y, 4, 4, s.seed) + 0.015 * fractal(x, y, 8, 3, s.seed + 1);
  const double band = std::floor(t * kBelts);
  const auto bandNo = static_cast<std::uint32_t>(static_cast<int>(band) % kBelts + kBelts);
  const double tone = unit(hash(bandNo % kBelts, 3, s.seed));
  const double v = 0.45 * tone + 0.35 * wave(t * kBelts) + 0.2 * fractal(x, y, 16, 2, s.seed + 2);
  const Ramp ramp{{0.0, s.dark}, {0.5, s.middle}, {1.0, s.light}};
  return ramp(v);
}

Rgb terra(const Surface& s, double x, double y) {
  const double height = fractal(x, y, 3, 6, s.seed);
  const double cloud = smoothstep(0.1, 0.6, fractal(x, y, 4, 5, s.seed + 1));
  Rgb ground;
  if (height < 0.08) {
    const Ramp sea{{-1.0, {8, 28, 90}}, {-0.2, s.dark}, {0.08, {40, 110, 180}}};
    ground = sea(height);
  } else {
    const Ramp land{{0.08, {200, 190, 130}},
                    {0.14, s.middle},
                    {0.45, {110, 120, 60}},
                    {0.7, {130, 100, 70}},
                    {0.9, {235, 235, 240}}};
    ground = land(height);
  }
  return mix(ground, s.light, 0.85 * cloud);
}

Rgb clouds(const Surface& s, double x, double y) {
  const double warp = 0.12 * fractal(x, y, 2, 3, s.seed);
  const double v = fractal(x + warp, y + 0.5 * warp, 3, 5, s.seed + 1);
  const Ramp ramp{{-1.0, s.dark}, {0.0, s.middle}, {1.0, s.light}};
  return ramp(v);
}

Rgb rock(const Surface& s, double x, double y) {
  const double plains = smoothstep(-0.1, 0.3, fractal(x, y, 2, 4, s.seed));
  const double grain = fractal(x, y, 8, 3, s.seed + 1);
  const double crater =
      craters(x, y, 5, s.seed + 2, 0.6) + 0.6 * craters(x, y, 12, s.seed + 3, 0.5);
  const Ramp ramp{{0.0, s.dark}, {0.5, s.middle}, {1.0, s.light}};
  return ramp(0.65 - 0.35 * plains + 0.12 * grain + 0.22 * crater);
}

Rgb sulphur(const Surface& s, double x, double y) {
  const double ground = fractal(x, y, 3, 5, s.seed);
  const CellDistances vent = cellular(x, y, 5, s.seed + 1);
  const Ramp ramp{{-1.0, s.dark}, {0.0, s.middle}, {1.0, s.light}};
  Rgb c = ramp(ground);
  if (unit(vent.nearestId) < 0.7) {
    c = mix({150, 40, 10}, c, smoothstep(0.12, 0.32, vent.nearest));  // red halo
    c = mix({20, 15, 10}, c, smoothstep(0.06, 0.13, vent.nearest));   // black vent
  }
  return c;
}

Rgb crackedIce(const Surface& s, double x, double y) {
  const double ground = fractal(x, y, 2, 4, s.seed);
  const double ridge = 1.0 - std::abs(fractal(x, y, 3, 4, s.seed + 1));
  const double ridge2 = 1.0 - std::abs(fractal(x, y, 5, 3, s.seed + 2));
  const Ramp ramp{{-1.0, s.middle}, {1.0, s.light}};
  const double line =
      std::max(smoothstep(0.95, 0.985, ridge), 0.7 * smoothstep(0.96, 0.99, ridge2));
  return mix(ramp(ground), s.dark, line);
}

Rgb haze(const Surface& s, double x, double y) {
  const double v = fractal(x, y, 2, 3, s.seed) * 0.6 + 0.25 * wave(y * 3);
  const Ramp ramp{{-0.6, s.dark}, {0.1, s.middle}, {0.8, s.light}};
  return ramp(v);
}

Rgb ice(const Surface& s, double x, double y) {
  const double streak = fractal(x + y, y, 4, 4, s.seed);  // sheared, still tiling
  const double patches = fractal(x, y, 2, 3, s.seed + 1);
  const double crater = craters(x, y, 6, s.seed + 2, 0.45);
  const Ramp ramp{{0.0, s.dark}, {0.55, s.middle}, {1.0, s.light}};
  return ramp(0.55 + 0.2 * patches + 0.12 * streak + 0.2 * crater);
}

Rgb asteroid(const Surface& s, double x, double y) {
  const double grain = fractal(x, y, 6, 4, s.seed, 0.65);
  const double crater = craters(x, y, 4, s.seed + 1, 0.7) + 0.7 * craters(x, y, 9, s.seed + 2, 0.6);
  const Ramp ramp{{0.0, s.dark}, {0.5, s.middle}, {1.0, s.light}};
  return ramp(0.5 + 0.3 * grain + 0.25 * crater);
}

struct Named {
  int body;
  Look look;
  Rgb dark, middle, light;
};

// The bodies whose looks are known: the sun, the planets, the large moons
// and the dwarf planets.
constexpr Named kNamed[] = {
    {0, Look::Sun, {150, 40, 0}, {235, 120, 15}, {255, 205, 70}},
    {1, Look::Bands, {150, 85, 50}, {205, 160, 115}, {245, 232, 205}},        // Jupiter
    {2, Look::Bands, {170, 140, 85}, {215, 190, 130}, {240, 225, 175}},       // Saturn
    {3, Look::Bands, {25, 45, 150}, {50, 85, 200}, {110, 150, 235}},          // Neptune
    {4, Look::Bands, {140, 200, 210}, {165, 220, 228}, {195, 240, 242}},      // Uranus
    {5, Look::Terra, {15, 60, 140}, {60, 130, 50}, {245, 245, 250}},          // Terra
    {6, Look::Clouds, {200, 170, 100}, {232, 210, 150}, {250, 240, 200}},     // Venus
    {7, Look::Rock, {95, 45, 25}, {185, 90, 45}, {225, 145, 90}},             // Mars
    {8, Look::Rock, {70, 65, 60}, {130, 122, 112}, {185, 180, 172}},          // Mercury
    {9, Look::Rock, {85, 75, 65}, {140, 128, 112}, {200, 190, 175}},          // Ganymede
    {10, Look::Haze, {170, 105, 35}, {210, 150, 65}, {235, 190, 110}},        // Titan
    {11, Look::Rock, {45, 40, 35}, {90, 82, 70}, {170, 165, 155}},            // Callisto
    {12, Look::Sulphur, {200, 130, 30}, {230, 200, 60}, {250, 240, 140}},     // Io
    {13, Look::Rock, {70, 70, 72}, {135, 135, 135}, {195, 195, 192}},         // Luna
    {14, Look::CrackedIce, {140, 80, 50}, {215, 205, 185}, {245, 240, 230}},  // Europa
    {15, Look::Ice, {150, 120, 110}, {215, 185, 170}, {240, 225, 215}},       // Triton
    {16, Look::Ice, {170, 170, 175}, {220, 220, 225}, {250, 250, 252}},       // Eris
    {17, Look::Ice, {120, 80, 50}, {200, 165, 125}, {240, 225, 200}},         // Pluto
    {18, Look::Ice, {180, 185, 195}, {225, 228, 235}, {252, 252, 255}},       // EL61
    {21, Look::Ice, {110, 35, 25}, {165, 65, 45}, {205, 110, 80}},            // Sedna
    {23, Look::Ice, {100, 60, 45}, {150, 100, 80}, {195, 150, 125}},          // Quaoar
    {24, Look::Ice, {50, 40, 30}, {150, 140, 125}, {225, 222, 215}},          // Iapetus
    {27, Look::Ice, {55, 55, 58}, {95, 95, 100}, {140, 140, 145}},            // Umbriel
    {29, Look::Rock, {55, 55, 55}, {95, 95, 95}, {230, 230, 230}},            // Ceres
    {36, Look::Ice, {200, 210, 220}, {235, 240, 245}, {255, 255, 255}},       // Enceladus
    {44, Look::Ice, {150, 152, 160}, {190, 192, 198}, {225, 227, 232}},       // Nereid
    {138, Look::Asteroid, {90, 35, 20}, {160, 75, 45}, {210, 125, 85}},       // a rust-red one
};

Surface fromTable(int k) {
  Surface s;
  s.seed = 7919u * static_cast<std::uint32_t>(k) + 17u;
  s.size = k <= kLastLargeBody ? kLargeSide : kSmallSide;
  for (const Named& n : kNamed)
    if (n.body == k) {
      s.look = n.look, s.dark = n.dark, s.middle = n.middle, s.light = n.light;
      return s;
    }
  const BodyRow row = builtInRow(k);
  const double tint = unit(hash(static_cast<std::uint32_t>(k), 11, 5));
  const bool moon = row.parent != 0;
  const bool ringedGiant = row.parent == 2 || row.parent == 4;  // Saturn, Uranus
  if (ringedGiant && row.radius > 1.9e5f) {                     // their round icy moons
    s.look = Look::Ice;
    const double grey = 150 + 50 * tint;
    s.dark = {grey - 80, grey - 80, grey - 75};
    s.middle = {grey, grey, grey + 5};
    s.light = {grey + 60, grey + 60, grey + 62};
  } else if (!moon && row.radius > 2.8e5f) {  // the dwarf planets
    s.look = Look::Ice;
    s.dark = {90 + 40 * tint, 80, 75};
    s.middle = {170 + 40 * tint, 150, 140};
    s.light = {230, 220, 210 - 30 * tint};
  } else {  // small moons and asteroids: grey to brown rubble
    s.look = Look::Asteroid;
    const double warm = moon ? 0.3 * tint : tint;
    s.dark = {50 + 25 * warm, 47 + 10 * warm, 45};
    s.middle = {115 + 45 * warm, 108 + 20 * warm, 100 - 10 * warm};
    s.light = {175 + 40 * warm, 168 + 20 * warm, 160 - 10 * warm};
  }
  return s;
}

}  // namespace

Surface surfaceOf(int k) {
  return fromTable(k);
}

Image paint(const Surface& s) {
  Image image(s.size);
  for (int py = 0; py < s.size; ++py)
    for (int px = 0; px < s.size; ++px) {
      const double x = px / static_cast<double>(s.size);
      const double y = py / static_cast<double>(s.size);
      Rgb c;
      switch (s.look) {
        case Look::Sun:
          c = sun(s, x, y);
          break;
        case Look::Bands:
          c = bands(s, x, y);
          break;
        case Look::Terra:
          c = terra(s, x, y);
          break;
        case Look::Clouds:
          c = clouds(s, x, y);
          break;
        case Look::Rock:
          c = rock(s, x, y);
          break;
        case Look::Sulphur:
          c = sulphur(s, x, y);
          break;
        case Look::CrackedIce:
          c = crackedIce(s, x, y);
          break;
        case Look::Haze:
          c = haze(s, x, y);
          break;
        case Look::Ice:
          c = ice(s, x, y);
          break;
        case Look::Asteroid:
          c = asteroid(s, x, y);
          break;
      }
      image.set(px, py, c);
    }
  return image;
}

}  // namespace vorlund::textures

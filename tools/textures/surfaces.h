#pragma once
#include <cstdint>

#include "image.h"

namespace vorlund::textures {

// The kinds of surface the bodies show.
enum class Look {
  Sun,         // hot granules with dark lanes and a few spots
  Bands,       // a gas giant's belts and zones
  Terra,       // oceans, continents, clouds
  Clouds,      // a closed deck of swirling cloud
  Rock,        // a rocky world with dark plains and craters
  Sulphur,     // yellow ground with black volcanic vents
  CrackedIce,  // bright ice crossed by brown lines
  Haze,        // a smooth hazy atmosphere
  Ice,         // icy ground, streaked and lightly cratered
  Asteroid,    // grainy rubble with many small craters
};

// How one body's texture is made: the kind, its colours from dark to light,
// the side in pixels and the seed.
struct Surface {
  Look look = Look::Asteroid;
  Rgb dark, middle, light;
  int size = 64;
  std::uint32_t seed = 0;
};

// The surface of body k (0..144), chosen by the body table: the sun, the
// giants, Terra and its neighbours, the large moons each as itself, icy
// moons and dwarfs, small moons and asteroids by their kind.
Surface surfaceOf(int k);

Image paint(const Surface& s);

}  // namespace vorlund::textures

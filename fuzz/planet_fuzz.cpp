// aapla2.pla as the start-up reads it: a file of any other size or with a
// time step that cannot be used is told and the solar system rebuilt; what
// is taken saves, loads and saves again to the same bytes; and a tick of
// gravity on whatever was loaded runs without fault.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz_game.h"
#include "solar/planet_file.h"
#include "solar/solar.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFolder folder;
  static NullPlatform platform;
  folder.write(kPlanetFileName, data, size);
  auto g = std::make_unique<Game>();
  g->dir = folder.path();
  g->platform = &platform;
  setSolarFirstValues(*g);
  loadSolarSystem(*g);
  fuzz::require(g->lastBody <= kLastBodyIndex, "no body beyond the table");
  fuzz::require(g->viewedBody >= 0 && g->viewedBody <= kLastBodyIndex, "a body in view");

  const PlanetFileImage saved = encodePlanetFile(*g);
  auto again = std::make_unique<Game>();
  again->platform = &platform;
  setSolarFirstValues(*again);
  fuzz::require(planetFileUsable(saved.data(), saved.size()), "a saved file can be loaded");
  decodePlanetFile(*again, saved);
  fuzz::require(encodePlanetFile(*again) == saved, "a saved file loads to the same bytes");
  solarTick(*g);
  return 0;
}

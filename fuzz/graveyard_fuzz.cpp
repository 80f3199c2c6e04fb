// graveL.ist as the first tick loads it, then a week of the graves' age:
// whatever the bytes, the table is never read or written past its 5000
// graves, a refused file leaves the new game's one grave, and a loaded one
// saves back to exactly the bytes it came from.
#include <cstddef>
#include <cstdint>

#include "fighters/graveyard_file.h"
#include "fuzz_game.h"
#include "management/necromancer.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzGame harness;
  Game& g = harness.fresh(kGraveFileName, data, size);
  loadGraveyard(g);
  const Graveyard& yard = g.graveyard;
  fuzz::require(yard.count >= 0 && yard.count <= Graveyard::kMaxGraves, "a count the table holds");
  for (int i = yard.count; i < Graveyard::kMaxGraves; ++i)
    fuzz::require(yard.graves[static_cast<std::size_t>(i)].cell == 0, "nothing above the count");
  if (g.graveFileRefused) {
    fuzz::require(yard.count == 1, "a refused file leaves the one new grave");
  } else {
    const Bytes saved = encodeGraveyard(yard);
    fuzz::require(saved == Bytes(data, data + size), "a loaded graveyard saves as it was read");
  }
  g.necromancerHired = true;
  necromancerWeek(g);
  ageGraves(g);
  return 0;
}

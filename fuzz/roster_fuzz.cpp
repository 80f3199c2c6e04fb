// characters.svd as the first tick loads it: whatever the bytes, the load
// ends, reads only what it may, and either refuses the file whole or loads a
// farm that saves back to the same fighters.
#include <cstddef>
#include <cstdint>

#include "fighters/roster_files.h"
#include "fighters/sane_ranges.h"
#include "fuzz_game.h"
#include "management/farm.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzGame harness;
  Game& g = harness.fresh(kRosterFileName, data, size);
  if (loadRoster(g) > 0) showFarmAtStartUp(g);
  const MenuState state = g.names.state();
  fuzz::require(state == MenuState::ChooseName || state == MenuState::BetweenFights ||
                    state == MenuState::Farm,
                "a menu state");
  if (g.rosterFileRefused) {
    for (int s = 3; s <= 8; ++s)
      fuzz::require(slot(g, s).Name_String.empty(), "nothing of a refused file is loaded");
    return 0;
  }
  const Bytes saved = encodeRoster(g);
  fuzz::require(saved.size() == kRosterFileBytes, "the farm saves as 1619 bytes");
  RosterFile again;
  fuzz::require(!decodeRoster(saved, again), "a saved farm loads");
  for (int s = 3; s <= 8; ++s) {
    const TCharacterDMG& c = slot(g, s);
    const TCharacterDMG& d = again.farm[static_cast<std::size_t>(s - 3)];
    fuzz::require(insaneValue(c).empty(), "only sane fighters are loaded");
    for (auto field : kPersistedStrings) fuzz::require(c.*field == d.*field, "strings kept");
    for (auto field : kPersistedIntegers) fuzz::require(c.*field == d.*field, "numbers kept");
    fuzz::require(c.Rest_Last_Week == d.Rest_Last_Week, "the week's rest kept");
  }
  return 0;
}

#include "combat/golden_fights.h"

namespace vorlund::test {

std::vector<GoldenCase> goldenCases() {
  return {
      // Two brave humans to the death.
      {"death", 2, true, {"Ash", "human", 13, 11, 8}, {"Brak", "orc", 11, 13, 7}},
      // A practice bout that stops at the first wound.
      {"practice", 2, false, {"Ash", "human", 12, 12, 9}, {"Corin", "human", 12, 12, 6}},
      // A strong elf who rushes a nimble human that cannot walk away.
      {"tackle", 13, true, {"Tor", "elf", 14, 10, 12}, {"Pip", "human", 8, 16, 12, 0}},
      // A boa constrictor and a slow, weaker fighter.
      {"encoil", 2, true, {"Sss", "boa constrictor", 12, 12, 12}, {"Oll", "dwarf", 10, 14, 7, 4}},
  };
}

std::vector<std::string> playGoldenFight(const GoldenCase& c) {
  Arena arena(true);
  if (!arena.ready) return {};
  makeFighter(arena.us(), c.us);
  makeFighter(arena.them(), c.them);
  arena.g().rng.seed = c.seed;
  arena.release(c.toTheDeath);
  arena.runToEnd();
  return arena.g().log.lines;
}

}  // namespace vorlund::test

#pragma once
// Two fighters of our own making, matched in a started game.
#include <string>

#include "management/between_fights.h"
#include "management/match_setup.h"
#include "management/stable.h"

namespace vorlund::test {

struct FighterSpec {
  std::string name, race = "human";
  std::int32_t st = 12, dx = 12, bravery = 12, ma = -1;  // ma -1: what the race gives
};

// Matched to the death (or for practice), and released unless told not to.
struct Arena : Stable {
  Arena(const FighterSpec& us, const FighterSpec& them, bool toTheDeath = true,
        bool release = true) {
    fit(slot(g(), 1), us);
    fit(slot(g(), 2), them);
    toTheDeath ? gambleInTheStands(g()) : practiceToFirstBlood(g());
    if (release) releaseFighters(g());
  }
  static void fit(TCharacterDMG& c, const FighterSpec& s) {
    c.Name_String = s.name, c.Race = s.race, c.ST = s.st, c.DX = c.DX_adj = s.dx;
    c.IQ = 8;  // the stake is worth his wits
    setNaturalWeapons(c);
    setUpMovement(c);
    if (s.ma >= 0) c.MA = s.ma;
    c.Bravery = s.bravery;
  }
};

}  // namespace vorlund::test

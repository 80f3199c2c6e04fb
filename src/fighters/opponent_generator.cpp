#include "fighters/opponent_generator.h"

#include <string>
#include <vector>

#include "fighters/fighter_value.h"
#include "fighters/name_syllables.h"
#include "fighters/name_taking.h"
#include "fighters/race_traits.h"
#include "fighters/text_files.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "shell/game.h"

namespace vorlund {

namespace {

int namesCount(const Game& g) {
  return static_cast<int>(g.names.lines().size());
}

bool borneByAnyone(const Game& g, const std::string& name) {
  for (int s = 1; s <= kSlotCount; ++s)
    if (slot(g, s).Name_String == name) return true;
  return false;
}

// When the names are spent the crowd makes one up, one that no fighter of
// the stable bears: a fight tells its fighters apart by their names.
std::string madeUpName(Game& g) {
  std::string name = makeFighterName(g.rng);
  for (int attempt = 0; attempt < 64 && borneByAnyone(g, name); ++attempt)
    name = makeFighterName(g.rng);
  return name;
}

// The first line of each list is never drawn; it needs a second line to
// draw from at all. An empty line is no name: the draw is among the lines
// that hold one. For a list without empty lines that is every line after the
// first, so such a list gives the same draws, and the same fights, as a
// draw over all of them would.
std::string drawName(Game& g) {
  const bool read = loadIntoNames(g, "names.txt");
  std::vector<int> named;
  for (int i = 1; i < namesCount(g); ++i)
    if (!g.names.lines()[static_cast<std::size_t>(i)].empty()) named.push_back(i);
  if (named.empty()) {
    if (read) logAdd(g.log, "names.txt has run out of names");
    return madeUpName(g);
  }
  const int i = g.rng.random(static_cast<std::int32_t>(named.size()));
  return takeNameLine(g, named[static_cast<std::size_t>(i)]);
}

std::string drawRace(Game& g) {
  if (loadIntoNames(g, "races.txt") && namesCount(g) < 2)
    logAdd(g.log, "races.txt has too few races");
  if (namesCount(g) < 2) return "human";
  const int i = g.rng.random(namesCount(g) - 1) + 1;
  return g.names.lines()[static_cast<std::size_t>(i)];
}

// The strongest of the race is never drawn, unless he is the only one.
std::int32_t drawStrength(Game& g, const std::string& race) {
  showStrengthValues(g, race);
  const StrengthRange r = strengthRange(race);
  return r.lowest + g.rng.random(r.count() - 1);
}

}  // namespace

void generateFighter(Game& g, int s) {
  TCharacterDMG& c = slot(g, s);
  c.Wounds = 0;
  c.Name_String = drawName(g);
  c.Race = drawRace(g);
  c.DX_next_turn = 0;
  c.ST = drawStrength(g, c.Race.str());
  c.DX = 24 - c.ST;
  setNaturalWeapons(c);
  rollTemperament(g.rng, c);
  c.Bet_value = fighterValue(c);
  c.Hex = g.rng.random(kSphereCellCount);
  // The trail starts where he stands; trails are told apart by name, as
  // every step of a fight records them.
  g.cellHistory[c.Name_String == slot(g, 1).Name_String ? 0 : 1].fill(c.Hex);
  c.Stance = kStanceStanding;
  c.EP = 0;
  setUpMovement(c);
  applyIqAndAdvancement(c);
}

}  // namespace vorlund

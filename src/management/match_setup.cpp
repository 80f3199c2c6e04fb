#include "management/match_setup.h"

#include <string>

#include "fighters/fighter_value.h"
#include "fighters/opponent_generator.h"
#include "fighters/race_traits.h"
#include "management/menu_texts.h"
#include "panels/names_model.h"
#include "panels/sheet.h"
#include "shell/game.h"

namespace vorlund {

namespace {

// The player's fighter starts on cell 196, the guest on 577.
constexpr std::int32_t kStartCells[] = {196, 577};
constexpr int kArenaCentreCell = 1272;

// Purses may run into debt; their arithmetic wraps rather than traps.
std::int32_t wrapped(std::int64_t v) {
  return static_cast<std::int32_t>(v);
}

void replaceIfDead(Game& g, int position) {
  TCharacterDMG& c = combatant(g, position);
  if (c.Wounds < c.ST) return;
  generateFighter(g, g.combatantOrder[position]);
  rollTemperament(g.rng, c);
  setUpMovement(c);
  setAge(c);
}

void setUpMatch(Game& g, bool forStakes) {
  g.fightToDeath = forStakes;
  for (int p = 1; p <= g.combatantCount; ++p) {
    replaceIfDead(g, p);
    TCharacterDMG& c = combatant(g, p);
    const std::int32_t stake = forStakes ? fighterValue(c) : 0;
    c.Coin = wrapped(std::int64_t{c.Coin} - stake);
    c.Bet_value = stake;
    if (forStakes) {
      c.Engaged = false;
      c.Engaged_last_turn = true;
      c.Lose_next_turn = false;
      c.Stance = 5;
    }
  }
  refreshSheets(g);
  g.fightDistance = 12;

  g.us.caption = "Us      $" + std::to_string(combatant(g, 1).Coin);
  g.them.caption = "Them    $" + std::to_string(combatant(g, 2).Coin);
  ++g.us.revision;
  ++g.them.revision;

  std::int64_t pot = 0;
  for (int p = 1; p <= g.combatantCount; ++p) {
    if (p <= 2) combatant(g, p).Hex = kStartCells[p - 1];
    pot += combatant(g, p).Bet_value;
  }
  g.arenaCentre = kArenaCentreCell;

  namesClear(g.names);
  namesAdd(g.names, "");
  for (int p = 1; p <= g.combatantCount; ++p) {
    const TCharacterDMG& c = combatant(g, p);
    namesAdd(g.names, c.Name_String.str() + "$" + std::to_string(c.Bet_value));
  }
  namesAdd(g.names, "");
  namesAdd(g.names, "$" + std::to_string(wrapped(pot)));
  namesAdd(g.names, " is wagered");
  namesAdd(g.names, "");
  namesAdd(g.names, kReleaseFighters);
}

}  // namespace

void gambleInTheStands(Game& g) {
  setUpMatch(g, true);
}

void practiceToFirstBlood(Game& g) {
  bool anyWounded = false;
  for (int p = 1; p <= g.combatantCount; ++p) {
    const TCharacterDMG& c = combatant(g, p);
    if (c.Wounds <= 0) continue;
    namesAdd(g.names, c.Name_String.str() + " is wounded " + std::to_string(c.Wounds));
    anyWounded = true;
  }
  if (!anyWounded) setUpMatch(g, false);
}

}  // namespace vorlund

#include "management/match_setup.h"

#include <string>

#include "fighters/fighter_value.h"
#include "fighters/opponent_generator.h"
#include "fighters/race_traits.h"
#include "management/menu_texts.h"
#include "panels/names_model.h"
#include "panels/sheet.h"
#include "shell/game.h"
#include "shell/wrap32.h"
#include "world/arena_start.h"

namespace vorlund {

namespace {

void replaceIfDead(Game& g, int position) {
  TCharacterDMG& c = combatant(g, position);
  if (c.Wounds < c.ST) return;
  generateFighter(g, g.combatantOrder[position]);
  rollTemperament(g.rng, c);
  setUpMovement(c);
  setAge(c);
}

// Each purse stakes its fighter's value on a fight to the death; a practice
// stakes nothing and leaves the fighters standing as they were. Both start
// twelve cells apart, so neither is engaged: one still engaged from his last
// fight would only side-step, and a practice would never draw blood.
void stakeFighter(Game& g, int position, bool forStakes) {
  TCharacterDMG& c = combatant(g, position);
  const std::int32_t stake = forStakes ? fighterValue(c) : 0;
  // Purses may run into debt.
  c.Coin = wrap32(std::int64_t{c.Coin} - stake);
  c.Bet_value = stake;
  c.Engaged = false;
  if (forStakes) readyForArena(c);
}

void showWagers(Game& g) {
  const TCharacterDMG& us = combatant(g, 1);
  const TCharacterDMG& them = combatant(g, 2);
  namesClear(g.names);
  namesAdd(g.names, "");
  namesAdd(g.names, us.Name_String.str() + "$" + std::to_string(us.Bet_value));
  namesAdd(g.names, them.Name_String.str() + "$" + std::to_string(them.Bet_value));
  namesAdd(g.names, "");
  namesAdd(g.names, "$" + std::to_string(wrappedSum(us.Bet_value, them.Bet_value)));
  namesAdd(g.names, " is wagered");
  namesAdd(g.names, "");
  namesAdd(g.names, kReleaseFighters);
}

void setUpMatch(Game& g, bool forStakes) {
  g.fightToDeath = forStakes;
  g.stakesPaid = false;
  for (int position : {1, 2}) {
    replaceIfDead(g, position);
    stakeFighter(g, position, forStakes);
  }
  refreshSheets(g);
  g.fightDistance = kRestDistance;
  sheetSetCaption(g.us, "Us      $" + std::to_string(combatant(g, 1).Coin));
  sheetSetCaption(g.them, "Them    $" + std::to_string(combatant(g, 2).Coin));
  combatant(g, 1).Hex = kPlayerStartCell;
  combatant(g, 2).Hex = kGuestStartCell;
  g.arenaCentre = kArenaCentreStart;
  showWagers(g);
}

}  // namespace

void gambleInTheStands(Game& g) {
  setUpMatch(g, true);
}

void practiceToFirstBlood(Game& g) {
  bool anyWounded = false;
  for (int position : {1, 2}) {
    const TCharacterDMG& c = combatant(g, position);
    if (c.Wounds <= 0) continue;
    namesAdd(g.names, c.Name_String.str() + " is wounded " + std::to_string(c.Wounds));
    anyWounded = true;
  }
  if (!anyWounded) setUpMatch(g, false);
}

}  // namespace vorlund

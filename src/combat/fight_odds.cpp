#include "combat/fight_odds.h"

#include <memory>

#include "combat/fight_queues.h"
#include "combat/turn_step.h"
#include "panels/sheet.h"
#include "shell/game.h"
#include "world/arena_start.h"

namespace vorlund {

namespace {

// Far more ticks than any fight that ends; two fearless fighters can dance
// in and out of reach for ever, and such a duel counts as no kill.
constexpr std::int64_t kTickLimit = 200000;

void setUpDuel(Game& scratch, const Game& g, std::uint32_t seed) {
  scratch.graveyard = g.graveyard;
  scratch.rng.seed = seed;
  for (int p = 1; p <= 2; ++p) {
    TCharacterDMG& c = combatant(scratch, p);
    c = slot(g, g.combatantOrder[p]);
    readyForArena(c);
    c.DX_next_turn = 0;
    c.Hex = p == 1 ? kPlayerStartCell : kGuestStartCell;
  }
  scratch.fightDistance = kRestDistance;
  scratch.arenaCentre = kArenaCentreStart;
  scratch.fightToDeath = true;
  scratch.fightRunning = true;
  scratch.turnCounter = 1;
  scratch.turnPhase = 1;
  scratch.phaseDone = false;
  scratch.log.lines.clear();
}

}  // namespace

std::int64_t playFightToEnd(Game& g, std::int64_t maxTicks) {
  std::int64_t ticks = 0;
  while (g.turnCounter >= 1 && ticks < maxTicks) {
    turnStep(g);
    finishPhase(g);
    ++ticks;
  }
  return ticks;
}

FightOdds fightOdds(const Game& g, std::int64_t n) {
  FightOdds odds;
  if (n <= 0) return odds;
  auto scratch = std::make_unique<Game>();
  scratch->dir = g.dir;  // the between-fights menu is read from the same risks.txt
  scratch->world = g.world;
  scratch->slotTable = g.slotTable;
  scratch->combatantOrder = g.combatantOrder;
  scratch->combatantCount = g.combatantCount;
  scratch->betrayal = g.betrayal;
  reserveFightQueues(*scratch);
  layForm(scratch->us);
  layForm(scratch->them);
  // A stream of its own: the game's seed, stirred, so that asking for the
  // odds never changes what the game itself will roll.
  RandomGenerator seeds{g.rng.seed ^ 0x5DEECE66u};
  for (std::int64_t i = 0; i < n; ++i) {
    setUpDuel(*scratch, g, static_cast<std::uint32_t>(seeds.random(0x7FFFFFFF)) * 2u + 1u);
    playFightToEnd(*scratch, kTickLimit);
    const bool dead1 = isDead(combatant(*scratch, 1));
    const bool dead2 = isDead(combatant(*scratch, 2));
    if (dead2 && !dead1)
      ++odds.wins1;
    else if (dead1 && !dead2)
      ++odds.wins2;
    else
      ++odds.other;
  }
  return odds;
}

}  // namespace vorlund

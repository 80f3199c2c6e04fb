#include "management/zaps.h"

#include <string>

#include "combat/attack.h"
#include "state/game.h"
#include "state/log_model.h"

namespace vorlund {

namespace {

// The beam comes from the stands: slot 8 deals the blow, so a zap that kills
// pays both stakes into slot 8's purse.
void zap(Game& g, int position) {
  if (g.turnCounter < 1) return;
  const std::int32_t strength = g.rng.dice(6) - 12;
  TCharacterDMG& target = combatant(g, position);
  logAdd(g.log, "you zap " + target.Name_String.str());
  applyDamage(g, slot(g, 8), target, strength);
  g.zapCountdown = strength;
  g.zapTarget = position;
}

}  // namespace

void forfitZap(Game& g) {
  zap(g, 1);
}
void betrayZap(Game& g) {
  zap(g, 2);
}

bool zapBeamShown(const Game& g) {
  if (g.zapCountdown <= 0 || g.zapTarget < 1 || g.zapTarget > kSlotCount) return false;
  if (g.slotTable[g.zapTarget] < 1 || g.slotTable[g.zapTarget] > kSlotCount) return false;
  return g.viewedBody >= 0 && g.viewedBody < kBodyCount;
}

void drawZapFlicker(Game& g) {
  if (zapBeamShown(g)) g.zapFlicker = g.rng.random(100);
}

}  // namespace vorlund

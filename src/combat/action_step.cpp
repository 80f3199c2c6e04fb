#include "combat/action_step.h"

#include "combat/attack.h"
#include "combat/fight_queues.h"
#include "combat/grappling.h"
#include "state/game.h"
#include "state/log_model.h"

namespace vorlund {

void actionStep(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  // A fighter held down in his opponent's cell cannot get up.
  if (f.Stance == kStanceProne && f.Hex != o.Hex) {
    f.Stance = kStanceStanding;
    logAdd(g.log, f.Name_String.str() + " stands up");
    removeFromQueue(g.listAction, f.Name_String);
    return;
  }
  if (g.fightDistance == 1 && f.Stance > o.Stance) {
    f.DX_adj = wrappedSum(f.DX_adj, 4);
    logAdd(g.log, f.Name_String.str() + " DX+4 stand over prone");
  }
  if (f.MA_left != 0) {
    if (f.Engaged) attack(g, f, o);
    removeFromQueue(g.listAction, f.Name_String);
    return;
  }
  removeFromQueue(g.listAction, f.Name_String);
  if (!f.Engaged) {
    logAdd(g.log, f.Name_String.str() + " too far to attack");
  } else if (g.listAction.empty()) {
    // The last to act has nobody left to slip away from.
    attack(g, f, o);
  } else {
    disengageAttempt(g, f, o);
    logAdd(g.log, f.Name_String.str() + " disengages");
  }
}

}  // namespace vorlund

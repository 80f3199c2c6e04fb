#include "combat/turn_step.h"

#include <string>

#include "combat/action_step.h"
#include "combat/fight_queues.h"
#include "combat/movement.h"
#include "panels/log_model.h"
#include "panels/sheet.h"
#include "shell/game.h"
#include "world/arena_start.h"

namespace vorlund {

namespace {

TCharacterDMG& other(Game& g, int position) {
  return combatant(g, position == 1 ? 2 : 1);
}

void setMovementAllowance(TCharacterDMG& c) {
  switch (c.Stance) {
    case kStanceProne:
      c.MA_adj = 2;
      break;
    case kStanceInWeb:
      c.MA_adj = c.MA_Web;
      break;
    case kStanceClimbing:
      c.MA_adj = c.MA_Climb;
      break;
    case kStanceSwimming:
      c.MA_adj = c.MA_Swim;
      break;
    case kStanceStanding:
      c.MA_adj = c.MA;
      break;
    case kStanceFlying:
      c.MA_adj = c.MA_Fly;
      break;
    default:
      break;
  }
}

void turnStart(Game& g) {
  logAdd(g.log, "T U R N :  " + std::to_string(g.turnCounter));
  logAdd(g.log, " distance: " + std::to_string(g.fightDistance));
  g.listMove.clear();
  g.listAction.clear();
  std::array<std::int32_t, kArenaFighters + 1> initiative{};
  for (int p = 1; p <= kArenaFighters; ++p) {
    TCharacterDMG& c = combatant(g, p);
    // Fear looks back at how the fighter stood before this turn's copy: a
    // fight to the death is set up as if both had been engaged, so on its
    // first turn nobody is sent running ahead of the rest.
    const bool wasEngaged = c.Engaged_last_turn;
    c.Engaged_last_turn = c.Engaged;
    c.MA_left = c.MA;
    setMovementAllowance(c);
    c.MA_spent = 0;
    c.Act_This_Turn = true;
    initiative[p] = g.rng.dice(1);
    c.Brave = braveryCheck(g.rng, c);
    // The frightened run first, before anyone has thought of initiative.
    if (onHisFeet(c) && !c.Engaged && !wasEngaged && !c.Brave) {
      g.listMove.insert(g.listMove.begin(), c.Name_String.str());
      initiative[p] = 0;
    }
  }
  for (std::int32_t d = 6; d >= 1; --d) {
    for (int p = 1; p <= kArenaFighters; ++p) {
      const TCharacterDMG& c = combatant(g, p);
      if (initiative[p] == d && onHisFeet(c) && !c.Lose_next_turn)
        g.listAction.push_back(c.Name_String.str());
    }
    drainInRandomOrder(g.rng, g.listAction, g.listMove);
  }
  g.phaseDone = true;
}

void closeMovementPhase(Game& g) {
  g.listAction.clear();
  g.listMove.clear();
  for (int p = 1; p <= kArenaFighters; ++p) {
    TCharacterDMG& c = combatant(g, p);
    c.DX_adj = c.DX;
    if (c.Wounds >= wrappedSum(c.ST, -3)) c.DX_adj = wrappedSum(c.DX_adj, -3);
    if (c.DX_next_turn != 0) {
      c.DX_adj = wrappedSum(c.DX_adj, c.DX_next_turn);
      c.DX_next_turn = 0;
    } else if (g.fightDistance == 0) {
      c.DX_adj = wrappedSum(c.DX_adj, 4);
    }
  }
  refreshSheets(g);
  for (std::int32_t d = 256; d >= 0; --d) {
    for (int p = 1; p <= kArenaFighters; ++p) {
      const TCharacterDMG& c = combatant(g, p);
      if (c.DX_adj == d && onHisFeet(c) && c.Act_This_Turn)
        g.listMove.push_back(c.Name_String.str());
    }
    drainInRandomOrder(g.rng, g.listMove, g.listAction);
  }
  for (int p = 1; p <= kArenaFighters; ++p) {
    const TCharacterDMG& c = combatant(g, p);
    logAdd(g.log, c.Name_String.str() + " moved " + std::to_string(c.MA_spent));
  }
  for (int p = 1; p <= kArenaFighters; ++p) recordCellHistory(g, combatant(g, p));
  g.phaseDone = true;
}

void movementPhase(Game& g) {
  if (g.listMove.empty()) {
    closeMovementPhase(g);
    return;
  }
  if (g.listMove.front().empty()) {
    g.listMove.erase(g.listMove.begin());
  } else if (const int p = combatantNamed(g, g.listMove.front()); p != 0) {
    movementStep(g, combatant(g, p), other(g, p));
  } else {
    g.phaseDone = true;
  }
  logShowLast(g.log);
}

void actionPhase(Game& g) {
  if (g.listAction.empty()) {
    g.phaseDone = true;
  } else if (g.listAction.front().empty()) {
    g.listAction.erase(g.listAction.begin());
  } else if (const int p = combatantNamed(g, g.listAction.front()); p != 0) {
    actionStep(g, combatant(g, p), other(g, p));
  } else {
    g.phaseDone = true;
  }
  logShowLast(g.log);
}

void endFight(Game& g) {
  g.turnCounter = 0;
  g.fightDistance = kRestDistance;
  logShowLast(g.log);
}

StepReport turnEnd(Game& g) {
  refreshSheets(g);
  ++g.turnCounter;
  g.phaseDone = true;
  int standing = 0;
  for (int p = 1; p <= kArenaFighters; ++p) {
    const TCharacterDMG& c = combatant(g, p);
    if (onHisFeet(c))
      ++standing;
    else if (isUnconscious(c))
      logAdd(g.log, c.Name_String.str() + " is unconcious.");
  }
  g.woundedCount = 0;
  for (int p = 1; p <= kArenaFighters; ++p)
    if (combatant(g, p).Wounds != 0) ++g.woundedCount;
  bool over = standing < 2;
  if (!g.fightToDeath && g.woundedCount >= 1) {
    over = true;
    g.fightToDeath = true;
  }
  if (over) endFight(g);
  logAdd(g.log, " distance: " + std::to_string(g.fightDistance));
  logAdd(g.log, "");
  return over ? StepReport::FightOver : StepReport::None;
}

}  // namespace

StepReport turnStep(Game& g) {
  switch (g.turnPhase) {
    case TurnPhase::Start:
      turnStart(g);
      break;
    case TurnPhase::ShowHeader:
      g.phaseDone = true;
      logShowLast(g.log);
      break;
    case TurnPhase::Movement:
      movementPhase(g);
      break;
    case TurnPhase::Actions:
      actionPhase(g);
      break;
    case TurnPhase::End:
      return turnEnd(g);
    default:
      // A phase out of its range would stall the fight for good.
      g.turnPhase = TurnPhase::Start;
      break;
  }
  return StepReport::None;
}

void finishPhase(Game& g) {
  if (!g.phaseDone) return;
  g.phaseDone = false;
  const auto next = static_cast<std::int32_t>(g.turnPhase) + 1;
  g.turnPhase = next > static_cast<std::int32_t>(TurnPhase::End) ? TurnPhase::Start
                                                                 : static_cast<TurnPhase>(next);
}

}  // namespace vorlund

#include "combat/movement.h"

#include "combat/arena_cells.h"
#include "combat/fight_queues.h"
#include "combat/grappling.h"
#include "panels/log_model.h"
#include "shell/game.h"
#include "world/geometry.h"
#include "world/world_state.h"

namespace vorlund {

namespace {

void logNamed(Game& g, const TCharacterDMG& f, const char* text) {
  logAdd(g.log, f.Name_String.str() + text);
}

void outOfMovement(Game& g, TCharacterDMG& f) {
  removeFromQueue(g.listMove, f.Name_String);
  logAdd(g.log, f.Name_String.str() + " Ma_left " + std::to_string(f.MA_left));
}

bool graveOn(const Game& g, std::int32_t cell) {
  const int count =
      g.graveyard.count < Graveyard::kMaxGraves ? g.graveyard.count : Graveyard::kMaxGraves;
  for (int i = 0; i < count; ++i)
    if (g.graveyard.graves[static_cast<std::size_t>(i)].cell == cell) return true;
  return false;
}

void enterCell(Game& g, TCharacterDMG& f, std::int32_t cell) {
  f.Hex = cell;
  recordCellHistory(g, f);
  tripCheck(g, f);
}

// The view turns one cell toward the fighter about to move. A centre that
// cannot come nearer (no sphere tables, a cell number off the sphere, or no
// neighbour nearer to him than the centre itself) jumps to him at once, so
// that the fight never stalls waiting for it.
void walkArenaCentre(Game& g, const TCharacterDMG& f) {
  const std::int32_t next = nearestNeighbour(g, g.arenaCentre, f.Hex);
  const auto toFighter = [&](std::int32_t c) {
    return distance(cellPosition(g.world, c), cellPosition(g.world, f.Hex));
  };
  g.arenaCentre = next != 0 && toFighter(next) < toFighter(g.arenaCentre) ? next : f.Hex;
}

}  // namespace

void spendStep(TCharacterDMG& f) {
  ++f.MA_spent;
  if (f.MA_spent > f.MA_adj * 0.5) f.Act_This_Turn = false;
}

void movementStep(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  if (!isCell(f.Hex)) {
    // A fighter who stands on no cell of the sphere cannot walk anywhere.
    removeFromQueue(g.listMove, f.Name_String);
    return;
  }
  if (f.Hex != g.arenaCentre) {
    walkArenaCentre(g, f);
    return;
  }
  if (g.fightDistance <= 0) {
    removeFromQueue(g.listMove, f.Name_String);
    removeFromQueue(g.listMove, o.Name_String);
  } else if (f.Brave) {
    if (f.Engaged) {
      logNamed(g, f, " shifts");
      shift(g, f, o);
      removeFromQueue(g.listMove, f.Name_String);
    } else if (f.MA_left > 0) {
      logNamed(g, f, " persues");
      pursueStep(g, f, o);
    } else {
      outOfMovement(g, f);
    }
  } else if (!f.Engaged) {
    if (f.MA_left > 0) {
      logNamed(g, f, " flees");
      fleeStep(g, f, o);
    } else {
      outOfMovement(g, f);
    }
  } else if (f.MA_left > 0) {
    f.MA_left = -1;
    removeFromQueue(g.listMove, f.Name_String);
  } else {
    outOfMovement(g, f);
  }
}

// One step towards `cell` changes the distance by `distanceChange`. With
// nowhere to step he leaves the queue, or he would hold its head for ever.
static void stepOrLeaveQueue(Game& g, TCharacterDMG& f, std::int32_t cell, int distanceChange) {
  if (cell != 0) {
    enterCell(g, f, cell);
    g.fightDistance += distanceChange;
    if (f.MA_left > 0) --f.MA_left;
    spendStep(f);
  } else {
    removeFromQueue(g.listMove, f.Name_String);
  }
  g.arenaCentre = f.Hex;
}

void pursueStep(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  if (g.fightDistance >= 2) stepOrLeaveQueue(g, f, nearestNeighbour(g, f.Hex, o.Hex), -1);
  engagementCheck(g, f, o);
}

void fleeStep(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  if (f.Engaged || g.fightDistance < 1 || g.fightDistance >= 24)
    removeFromQueue(g.listMove, f.Name_String);
  else
    stepOrLeaveQueue(g, f, farthestNeighbour(g, f.Hex, o.Hex), +1);
  engagementCheck(g, f, o);
}

void engagementCheck(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  if (!adjacentOrSame(g, f.Hex, o.Hex)) {
    if (g.fightDistance < 2) g.fightDistance = 2;
    f.Engaged = false;
    o.Engaged = false;
    return;
  }
  logAdd(g.log, f.Name_String.str() + " engages " + o.Name_String.str());
  g.fightDistance = 1;
  for (TCharacterDMG* c : {&f, &o}) {
    if (c->Engaged) continue;
    c->MA_left = 0;
    removeFromQueue(g.listMove, c->Name_String);
    c->Engaged = true;
  }
}

void shift(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  if (f.ST > o.ST && (f.MA > o.MA || f.Stance > o.Stance)) {
    rush(g, f, o);
    return;
  }
  const std::int32_t cell = nearestNeighbour(g, o.Hex, f.Hex, f.Hex);
  if (cell == 0) return;
  enterCell(g, f, cell);
  ++f.MA_spent;
}

void tripCheck(Game& g, TCharacterDMG& f) {
  if (f.Stance == kStanceProne || !graveOn(g, f.Hex) || g.rng.dice(3) <= f.DX_adj) return;
  removeFromQueue(g.listMove, f.Name_String);
  logNamed(g, f, " trips on a body");
  f.Stance = kStanceProne;
  f.MA_left = 0;
}

void recordCellHistory(Game& g, const TCharacterDMG& f) {
  auto& history = g.cellHistory[f.Name_String == slot(g, 1).Name_String ? 0 : 1];
  for (std::size_t i = history.size() - 1; i > 0; --i) history[i] = history[i - 1];
  history[0] = f.Hex;
}

}  // namespace vorlund

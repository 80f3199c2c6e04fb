#include "combat/grappling.h"

#include <array>
#include <string>
#include <string_view>

#include "combat/arena_cells.h"
#include "combat/attack.h"
#include "combat/fight_queues.h"
#include "combat/movement.h"
#include "panels/log_model.h"
#include "shell/game.h"
#include "world/world_state.h"

namespace vorlund {

namespace {

constexpr std::string_view kBoa = "boa constrictor";

void logPair(Game& g, const TCharacterDMG& a, std::string_view verb, const TCharacterDMG& b) {
  logAdd(g.log, a.Name_String.str() + std::string(verb) + b.Name_String.str());
}

void tackle(Game& g, TCharacterDMG& r, TCharacterDMG& o) {
  g.fightDistance = 0;
  logPair(g, r, r.Race == kBoa ? " encoils " : " tackles ", o);
  removeFromQueue(g.listMove, o.Name_String);
  o.Act_This_Turn = false;
  r.Stance = kStanceProne;
  o.Stance = kStanceProne;
  r.Hex = o.Hex;
  recordCellHistory(g, r);
  ++r.MA_spent;
  tripCheck(g, r);
}

void grabAt(Game& g, TCharacterDMG& r, TCharacterDMG& o) {
  static constexpr std::array<std::string_view, 3> kAnswers = {" foot stomps ", " kicks ",
                                                               " ankle sweeps "};
  logPair(g, r, " grabs at ", o);
  const std::int32_t die = g.rng.dice(1);
  logPair(g, o, kAnswers[static_cast<std::size_t>((die - 1) / 2)], r);
  ++r.MA_spent;
}

void heartPunch(Game& g, TCharacterDMG& r, TCharacterDMG& o) {
  logPair(g, r, " tries to grab ", o);
  logPair(g, o, " heart punchs ", r);
  applyDamage(g, o, r, wrappedSum(g.rng.dice(o.Bare_hand_D), o.Bare_hand_Mod));
  ++r.MA_spent;
}

void stepAway(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  const std::int32_t cell = farthestNeighbour(g, f.Hex, o.Hex);
  if (cell == 0) return;
  f.Hex = cell;
  recordCellHistory(g, f);
  tripCheck(g, f);
  if (++g.fightDistance > 1) {
    f.Engaged = false;
    o.Engaged = false;
  }
  spendStep(f);
}

void slipOut(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  const bool boa = o.Race == kBoa;
  const std::int32_t k = g.rng.random(neighbourCount(g.world, o.Hex)) + 1;
  if (f.DX_adj >= g.rng.dice(4)) {
    const std::int32_t cell = neighbourSlot(g.world, o.Hex, k);
    // Without a neighbour to slip to he stays where he lies.
    if (isCell(cell)) f.Hex = cell;
    recordCellHistory(g, f);
    tripCheck(g, f);
    logAdd(g.log, f.Name_String.str());
    logAdd(g.log, " slips out of");
    logAdd(g.log, boa ? " constriction" : " wrestling");
    f.Stance = kStanceStanding;
    ++g.fightDistance;
  } else {
    logAdd(g.log, f.Name_String.str());
    logAdd(g.log, " fails to slip");
    logAdd(g.log, boa ? " out of constriction" : " out of wrestling");
  }
  f.Act_This_Turn = false;
}

}  // namespace

void rush(Game& g, TCharacterDMG& r, TCharacterDMG& o) {
  r.Act_This_Turn = false;
  const std::int32_t die = g.rng.dice(1);
  if (die <= 4)
    tackle(g, r, o);
  else if (die == 5)
    grabAt(g, r, o);
  else
    heartPunch(g, r, o);
}

void disengageAttempt(Game& g, TCharacterDMG& f, TCharacterDMG& o) {
  if (f.Hex != o.Hex)
    stepAway(g, f, o);
  else
    slipOut(g, f, o);
}

}  // namespace vorlund

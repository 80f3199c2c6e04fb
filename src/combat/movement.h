#pragma once

namespace vorlund {

struct Game;
struct TCharacterDMG;

// One tick of the movement phase for f, the fighter at the head of ListMove.
void movementStep(Game& g, TCharacterDMG& f, TCharacterDMG& o);

void pursueStep(Game& g, TCharacterDMG& f, TCharacterDMG& o);
void fleeStep(Game& g, TCharacterDMG& f, TCharacterDMG& o);
// A brave, engaged fighter rushes a weaker, slower opponent, or side-steps.
void shift(Game& g, TCharacterDMG& f, TCharacterDMG& o);
void engagementCheck(Game& g, TCharacterDMG& f, TCharacterDMG& o);
// A standing fighter who enters a grave's cell may stumble over the body.
void tripCheck(Game& g, TCharacterDMG& f);
void recordCellHistory(Game& g, const TCharacterDMG& f);

// Counts a step against the allowance; more than half of it costs the action.
void spendStep(TCharacterDMG& f);

}  // namespace vorlund

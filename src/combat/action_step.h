#pragma once

namespace vorlund {

struct Game;
struct TCharacterDMG;

// One tick of the action phase for f, the fighter at the head of ListAction:
// stand up, strike, disengage, or find himself too far away.
void actionStep(Game& g, TCharacterDMG& f, TCharacterDMG& o);

}  // namespace vorlund

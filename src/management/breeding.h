#pragma once

namespace vorlund {
struct Game;

// "pay for breeding": the player's fighter, if he lives, goes to the farm,
// and the farm menu (state 9) opens. It costs nothing.
void payForBreeding(Game& g);

// Moves the fighter of slot 1 into the lowest free farm slot and clears
// slot 1; a full farm keeps him where he is and says so in the Names list.
void storeInFarm(Game& g);

}  // namespace vorlund

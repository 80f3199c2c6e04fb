#pragma once

namespace vorlund {
struct Game;

// Shows the between-fights menu: risks.txt into the Names list, without
// "betray guest" once the guest has been betrayed, in the between-fights state.
// Called when a fight ends, after loading a farm that has room, and when a
// fighter comes back from the farm.
void showBetweenFightsMenu(Game& g);

// "betray guest": from now on the guest may be zapped in every fight.
void betrayGuest(Game& g);

// "release fighters": starts the fight set up in the Names list, unless one
// is already under way.
void releaseFighters(Game& g);

// A match is set up and waits for "release fighters": the Names list offers
// it, in the fight or the between-fights menu, and no fight is under way.
bool awaitingRelease(const Game& g);

}  // namespace vorlund

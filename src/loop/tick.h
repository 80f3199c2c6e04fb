#pragma once

namespace vorlund {
struct Game;

// One tick of the main loop (the main window's timer).
void timer1Timer(Game& g);

// The first tick's work: lay out and show the four text windows, select a
// random Names entry, then load the farm and the graveyard.
void firstTickWork(Game& g);

}  // namespace vorlund

#pragma once

namespace vorlund {
struct Game;

// The main window's creation: settings, first values, the world, the tables,
// the music. Returns false when start-up had to stop (a missing mesh file);
// the reason has been shown through the platform.
bool formCreate(Game& g);

// The whole start-up: the main window, then "Us", "Them", "Names" and "Log"
// in that order. The Names window seeds the generator with `seed`.
bool startGame(Game& g, unsigned seed);

// The main window's close: solar system, ring table, settings, farm and
// graveyard are saved in that order, each only when it was loaded.
void formClose(Game& g);

}  // namespace vorlund

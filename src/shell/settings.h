#pragma once

namespace vorlund {
struct Game;

// Restores the window placement, the eight purses and the Betrayal flag from
// the settings store; on the first run every purse starts at 1375000.
void readSettings(Game& g);

// Writes the window status (and the geometry when the window is normal), the
// eight purses and the Betrayal flag.
void writeSettings(Game& g);

}  // namespace vorlund

#pragma once

namespace vorlund {
struct Game;

// The Names window's creation: names.txt into the list, the name to choose, and
// the generator seeded (from the clock, or the seed given).
void namesFormCreate(Game& g, unsigned seed);

// names.txt into the list, to choose a new fighter's name from. A list
// without a single name gets one made up, on a copy of the generator so
// that the game's own draws stay as they would have been.
void showNamesToChoose(Game& g);

// A mouse press on Names line `line` (0-based; past the end or negative is a
// press below the last line, which selects nothing).
void clickNames(Game& g, int line);

}  // namespace vorlund

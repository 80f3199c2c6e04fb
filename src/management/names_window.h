#pragma once

namespace vorlund {
struct Game;

// The Names window's creation: names.txt into the list, the name to choose, and
// the generator seeded (from the clock, or the seed given).
void namesFormCreate(Game& g, unsigned seed);

// A mouse press on Names line `line` (0-based; past the end or negative is a
// press below the last line, which selects nothing).
void clickNames(Game& g, int line);

}  // namespace vorlund

#pragma once

namespace vorlund {
struct Game;

// Fills slot `s` (1..8) with a fighter drawn at random from names.txt and
// races.txt, finished like any new fighter. Uses the Names list as its
// scratch pad and leaves the strength values there: callers show the list
// they need afterwards.
void generateFighter(Game& g, int s);

}  // namespace vorlund

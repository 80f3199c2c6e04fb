#pragma once
#include <string>

namespace vorlund {
struct Game;

// The three clicks that make the player's fighter in slot 1, each on a
// line of the Names list: a name, a race, a strength.
void wizardName(Game& g, int line);
void wizardRace(Game& g, int line);
// Returns false, changing nothing, when the line is not a strength.
bool wizardStrength(Game& g, int line);

}  // namespace vorlund

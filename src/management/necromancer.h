#pragma once

namespace vorlund {
struct Game;

// The hired necromancer's week: he is paid, he may die of his trade, and
// otherwise he digs up to ten graves, newest first, and sells what the dead
// left that is worth selling.
void necromancerWeek(Game& g);

// Every grave grows one week older.
void ageGraves(Game& g);

}  // namespace vorlund

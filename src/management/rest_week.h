#pragma once

namespace vorlund {
struct Game;

// "rest week": upkeep, healing, the necromancer's week and the graves' age.
void restWeek(Game& g);

}  // namespace vorlund

#pragma once

namespace vorlund {
struct Game;

// "gamble in the stands": a fight to the death, each purse staking its
// fighter's value. A dead arena fighter is replaced by a new one first.
void gambleInTheStands(Game& g);

// "practice to first blood": a fight without stakes that ends at the first
// wound. Refused, with a line per wounded fighter, while anyone is hurt.
void practiceToFirstBlood(Game& g);

}  // namespace vorlund

#pragma once
#include <cstdint>

namespace vorlund {

struct Game;

struct FightOdds {
  std::int64_t wins1 = 0;  // fights in which the fighter of slot 1 killed
  std::int64_t wins2 = 0;  // and those in which slot 2 did
  std::int64_t other = 0;  // no kill: unconscious, both dead, or no end in sight
};

// Plays the current arena pair n times to the death in a scratch arena, with
// a generator of its own seeded from the game's (which is not drawn from),
// and counts who killed whom. The game itself is left untouched.
FightOdds fightOdds(const Game& g, std::int64_t n);

// Runs the turn step of g until its fight is over or maxTicks have passed;
// returns the ticks run.
std::int64_t playFightToEnd(Game& g, std::int64_t maxTicks);

}  // namespace vorlund

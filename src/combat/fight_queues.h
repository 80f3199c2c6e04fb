#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "state/character.h"
#include "state/wrap32.h"

namespace vorlund {

struct Game;
struct RandomGenerator;

// On his feet for the turn's bookkeeping: neither unconscious nor dead.
inline bool onHisFeet(const TCharacterDMG& c) {
  return c.Wounds < wrappedSum(c.ST, -1);
}
inline bool isUnconscious(const TCharacterDMG& c) {
  return c.Wounds == wrappedSum(c.ST, -1);
}
inline bool isDead(const TCharacterDMG& c) {
  return c.Wounds >= c.ST;
}

// Brave this turn when his Bravery is at least two dice.
bool braveryCheck(RandomGenerator& rng, const TCharacterDMG& c);

// Room for every combatant's name in both queues, taken once before the first
// fight so that no tick of a fight allocates for them.
void reserveFightQueues(Game& g);

// Deletes the first entry equal to the name; nothing when there is none.
void removeFromQueue(std::vector<std::string>& queue, const std::string& name);
// Takes the fighter out of both queues, the movement queue first.
void removeFromQueues(Game& g, const TCharacterDMG& c);

// Moves every entry of the holding list to the end of the queue, each time
// picking one of those left at random.
void drainInRandomOrder(RandomGenerator& rng, std::vector<std::string>& holding,
                        std::vector<std::string>& queue);

// The arena position (1 or 2) of the combatant with this exact name, the
// later one when both share it; 0 when neither has it.
int combatantNamed(Game& g, const std::string& name);

}  // namespace vorlund

#include "combat/fight_queues.h"

#include <algorithm>

#include "state/game.h"

namespace vorlund {

bool braveryCheck(RandomGenerator& rng, const TCharacterDMG& c) {
  return c.Bravery >= rng.dice(2);
}

void reserveFightQueues(Game& g) {
  g.listMove.reserve(kSlotCount);
  g.listAction.reserve(kSlotCount);
}

void removeFromQueue(std::vector<std::string>& queue, const std::string& name) {
  const auto it = std::find(queue.begin(), queue.end(), name);
  if (it != queue.end()) queue.erase(it);
}

void removeFromQueues(Game& g, const TCharacterDMG& c) {
  removeFromQueue(g.listMove, c.Name_String);
  removeFromQueue(g.listAction, c.Name_String);
}

void drainInRandomOrder(RandomGenerator& rng, std::vector<std::string>& holding,
                        std::vector<std::string>& queue) {
  while (!holding.empty()) {
    const auto pick =
        static_cast<std::size_t>(rng.random(static_cast<std::int32_t>(holding.size())));
    queue.push_back(std::move(holding[pick]));
    holding.erase(holding.begin() + static_cast<std::ptrdiff_t>(pick));
  }
}

int combatantNamed(Game& g, const std::string& name) {
  int found = 0;
  for (int p = 1; p <= g.combatantCount && p <= 2; ++p)
    if (combatant(g, p).Name_String == name) found = p;
  return found;
}

}  // namespace vorlund

#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "state/character.h"
#include "state/graveyard.h"
#include "state/world_state.h"

namespace vorlund {

struct Game;

struct FightOdds {
  std::int64_t wins1 = 0;  // fights in which the fighter of slot 1 killed
  std::int64_t wins2 = 0;  // and those in which slot 2 did
  std::int64_t other = 0;  // no kill: unconscious, both dead, or no end in sight

  FightOdds& operator+=(const FightOdds& o);
  bool operator==(const FightOdds&) const = default;
};

// The arena pair as it stands, copied in a moment together with all that a
// fight of theirs reads (the sphere's cells and neighbour rows, the graves),
// and a seed of its own, taken from the game's without drawing from it.
// Counting from it needs nothing more of the game, so it may go on in another
// thread while the game plays on.
struct OddsSetup {
  std::array<TCharacterDMG, 2> fighters{};
  std::vector<Vec3> cells;
  std::vector<NeighbourRow> neighbours;
  std::vector<Grave> graves;
  bool betrayal = false;
  std::uint32_t seed = 0;
  // Why the pair cannot be set up to fight (a dead or missing fighter); empty
  // when it can.
  std::string refusal;
};

OddsSetup takeOddsSetup(const Game& g);

// Plays fights first .. first + count - 1 of the setup's series to the death
// in a scratch arena and counts who killed whom. Each fight of the series has
// its own seed, so the counts are the same however the series is shared out.
// Nothing when the pair is refused or the count was stopped.
std::optional<FightOdds> countOdds(const OddsSetup& s, std::int64_t first, std::int64_t count,
                                   std::stop_token stop = {});

// The first n fights of the current pair's series; nothing counted for a
// pair that cannot fight (see OddsSetup::refusal). The game is untouched.
FightOdds fightOdds(const Game& g, std::int64_t n);

// Whole percentages of wins1, wins2 and other that add up to exactly 100:
// each share rounded down, the points left over going to the largest
// remainders (on a tie, the one named first). All 0 when nothing was counted.
std::array<int, 3> oddsPercentages(const FightOdds& o);

// What the odds tooltip says, e.g. "Ash 58% · Bryn Cor 39% · unfinished 3%".
std::string oddsSummary(const OddsSetup& s, const FightOdds& o);

// Runs the turn step of g until its fight is over or maxTicks have passed;
// returns the ticks run.
std::int64_t playFightToEnd(Game& g, std::int64_t maxTicks);

}  // namespace vorlund

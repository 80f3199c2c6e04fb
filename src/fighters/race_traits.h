#pragma once
#include <cstdint>
#include <string_view>

#include "state/character.h"

namespace vorlund {

struct Game;
struct RandomGenerator;

// The strengths a race may be built with, lowest and highest; never empty.
struct StrengthRange {
  std::int32_t lowest = 8;
  std::int32_t highest = 16;
  std::int32_t count() const { return highest - lowest + 1; }
};

// Every race test compares the whole Race text with the race word: an
// unknown word ("Human", "troll") simply gets every default.
StrengthRange strengthRange(std::string_view race);

// The strength values of the race, one per line, lowest first, into the
// Names list (which is cleared first).
void showStrengthValues(Game& g, std::string_view race);

// Bare_hand_D and Bare_hand_Mod from ST and race.
void setNaturalWeapons(TCharacterDMG& c);

// Bravery by race, then Honesty, Friendliness and Mood, two dice each.
void rollTemperament(RandomGenerator& rng, TCharacterDMG& c);

// Movement allowances and stance of a fighter stepping into the arena.
void setUpMovement(TCharacterDMG& c);

// EP one advancement costs at ST + DX + IQ = t; 0 when no advancement is
// possible at that total. Wide enough for the steep end of the table.
std::int64_t advancementCost(std::int32_t t);

// IQ by race, then at most one advancement paid from EP.
void applyIqAndAdvancement(TCharacterDMG& c);

void setAge(TCharacterDMG& c);

// The number a grave keeps of its dead's race; 0 for races without one.
std::int32_t raceCode(std::string_view race);

}  // namespace vorlund

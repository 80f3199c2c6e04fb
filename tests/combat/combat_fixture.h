#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_game.h"

namespace vorlund::test {

// A fighter of the tests' own making, every field that combat reads set.
struct FighterSpec {
  std::string name;
  std::string race = "human";
  std::int32_t st = 12;
  std::int32_t dx = 12;
  std::int32_t bravery = 12;
  std::int32_t ma = -1;  // -1: what the race gives
};
void makeFighter(TCharacterDMG& c, const FighterSpec& traits);

// A started game on a sphere: the shipped one from the game folder
// (`shipped`, skipped by the caller when absent) or a sphere made in memory.
struct Arena {
  explicit Arena(bool shipped = false);
  TestGame tg;
  bool ready = false;
  Game& g() { return tg.g(); }
  TCharacterDMG& us() { return slot(g(), 1); }
  TCharacterDMG& them() { return slot(g(), 2); }
  // A fight in progress at turn 1, phase 1, fighters on their start cells.
  void release(bool toTheDeath);
  // Runs the turn step until the fight is over (or maxTicks); returns ticks.
  long runToEnd(long maxTicks = 200000);
  // Two cells next to each other, and one a good way from both.
  std::int32_t neighbourOf(std::int32_t cell, int k = 1);
};

bool shippedSphereThere();

}  // namespace vorlund::test

#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "combat/combat_fixture.h"

namespace vorlund::test {

struct GoldenCase {
  std::string name;
  std::uint32_t seed = 0;
  bool toTheDeath = true;
  FighterSpec us;
  FighterSpec them;
};

inline void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

// The fights kept as golden logs.
std::vector<GoldenCase> goldenCases();

// Plays the case on the shipped sphere and returns its whole Log.
std::vector<std::string> playGoldenFight(const GoldenCase& c);

}  // namespace vorlund::test

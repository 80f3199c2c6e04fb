#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fighters/character_properties.h"

namespace vorlund {
struct Game;
}

namespace vorlund::sim {

// The scalar keys of the `state` line in their order, each with its value as
// JSON text ("12", "true").
std::vector<std::pair<std::string, std::string>> stateFields(const Game& g);

// The whole `state` line: the scalar keys, then "slots", then the rest.
std::string stateJson(const Game& g);

// What `ring CELL` or `neighbours CELL` prints: the word, the cell, the
// row's count, then its entries 1..count.
std::string rowLine(const Game& g, std::int32_t cell, bool ringRow);

// A fighter property as `expect fighter` compares it: numbers and true/false
// as in the state line, strings as they are, without quotes.
std::string propertyText(const TCharacterDMG& c, const CharacterProperty& p);

}  // namespace vorlund::sim

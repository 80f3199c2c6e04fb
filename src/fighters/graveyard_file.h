#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "state/failure.h"
#include "state/graveyard.h"
#include "state/little_endian.h"

namespace vorlund {
struct Game;

inline constexpr const char* kGraveFileName = "graveL.ist";
inline constexpr std::size_t kGraveBytes = 12;
inline constexpr std::size_t kGraveFileMaxBytes = 4 + kGraveBytes * Graveyard::kMaxGraves;

// Reads graveL.ist's bytes into the graveyard when they are sound, and
// returns nothing; otherwise returns the failure that tells what is damaged
// and leaves the graveyard as it was. The count must fit the table and the
// file exactly.
[[nodiscard]] std::optional<Failure> decodeGraveyard(std::span<const unsigned char> bytes, Graveyard& out);

// The count, then each grave's cell, age and race code: 4 + 12 x N bytes.
Bytes encodeGraveyard(const Graveyard& yard);

// The first tick's load of the graveyard. Before anything is read one grave
// is dug at a random cell, the one a new game starts with; a sound file
// then replaces it. A damaged file is refused whole and told, and stays on
// disk until the next save keeps it aside.
void loadGraveyard(Game& g);

// Writes the graveyard at close; a file that cannot be saved is told.
void saveGraveyard(Game& g);

}  // namespace vorlund

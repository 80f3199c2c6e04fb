#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "state/character.h"
#include "state/failure.h"
#include "state/little_endian.h"

namespace vorlund {
struct Game;

inline constexpr const char* kRosterFileName = "characters.svd";
inline constexpr std::size_t kRosterFieldBytes = 28;
inline constexpr std::size_t kRosterBlockBytes = 6 * kRosterFieldBytes + 25 * 4 + 1;  // 269
inline constexpr std::size_t kRosterFileBytes = 5 + 6 * kRosterBlockBytes;            // 1619

// What characters.svd holds: its format number, the necromancer, the six
// farm fighters of slots 3 to 8.
struct RosterFile {
  std::int32_t format = 0;
  bool necromancerHired = false;
  std::array<TCharacterDMG, 6> farm{};  // slots 3 to 8
};

// Reads the file's bytes. No answer means they were understood (or carry a
// format other than 1, which loads no fighter); otherwise the failure tells
// what is damaged. A damaged file is understood not at all: nothing of it
// may be loaded.
[[nodiscard]] std::optional<Failure> decodeRoster(std::span<const unsigned char> bytes, RosterFile& out);

// The file for the farm as it stands: always 1619 bytes.
Bytes encodeRoster(const Game& g);

// The first tick's load of the farm: the format number goes to the Log, the
// fighters into slots 3 to 8 with the necromancer. Returns how many of them
// have names. A damaged file is refused whole and told, the game begins
// anew, and the file stays on disk until the next save keeps it aside.
int loadRoster(Game& g);

// Writes the farm at close; a file that cannot be saved is told.
void saveRoster(Game& g);

}  // namespace vorlund

#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "fighters/character.h"
#include "world/file_bytes.h"

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
  std::array<TCharacterDMG, 6> farm{};
};

// Reads the file's bytes. An empty answer means they were understood (or
// carry a format other than 1, which loads no fighter); otherwise it says
// what is damaged. A damaged file is understood not at all: nothing of it
// may be loaded.
std::string decodeRoster(std::span<const unsigned char> bytes, RosterFile& out);

// The file for the farm as it stands: always 1619 bytes.
Bytes encodeRoster(const Game& g);

// The first tick's load of the farm: the format number goes to the Log, the
// fighters into slots 3 to 8 with the necromancer. Returns how many of them
// have names. A damaged file is refused whole with a line in the Log, the
// game begins anew, and the file is set aside at the next save.
int loadRoster(Game& g);

// Writes the farm at close. False when it could not be saved.
bool saveRoster(Game& g);

}  // namespace vorlund

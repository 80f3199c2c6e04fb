#pragma once
#include <cstdint>

namespace vorlund {
struct Game;
class SettingsStore;

// The pace of the game clock, in ticks per second. Every rule counts ticks,
// never time, so the pace changes how fast the game plays and nothing else.
inline constexpr std::int32_t kDesignedSpeed = 64;
inline constexpr std::int32_t kSlowestSpeed = 8;
inline constexpr std::int32_t kFastestSpeed = 256;

inline bool speedInRange(long long ticksPerSecond) {
  return ticksPerSecond >= kSlowestSpeed && ticksPerSecond <= kFastestSpeed;
}

// The pace the player keeps as "Speed" beside the purses; the designed pace
// when there is none or it is out of range. The game reads it and never
// writes it.
std::int32_t readSpeed(SettingsStore& store);

// Restores the window placement, the eight purses and the Betrayal flag from
// the settings store; on the first run every purse starts at 1375000.
void readSettings(Game& g);
// The window placement alone (a game played again after a crash, headless,
// takes its purses from the recording).
void placeMainWindow(Game& g);

// Writes the window status (and the geometry when the window is normal), the
// eight purses and the Betrayal flag.
void writeSettings(Game& g);

}  // namespace vorlund

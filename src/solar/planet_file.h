#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "state/solar_state.h"

namespace vorlund {
struct Game;

inline constexpr const char* kPlanetFileName = "aapla2.pla";
inline constexpr std::size_t kPlanetHeaderSize = 16;
inline constexpr std::size_t kPlanetRecordSize = 108;
inline constexpr std::size_t kPlanetFileSize = kPlanetHeaderSize + kBodyCount * kPlanetRecordSize;

using PlanetFileImage = std::array<std::uint8_t, kPlanetFileSize>;

// The bytes "aapla2.pla" holds for the current solar system.
PlanetFileImage encodePlanetFile(const Game& g);

// Whether an image read from disk (size bytes of it) can be loaded: it must
// be whole, with a usable number of ticks per day and a viewed body that
// exists.
bool planetFileUsable(const std::uint8_t* data, std::size_t size);

// Takes a usable image into the game: the header, then all 145 records; a
// record whose parent is -1 or lower is rebuilt from the built-in values.
void decodePlanetFile(Game& g, const PlanetFileImage& image);

}  // namespace vorlund

#pragma once
#include <cstdint>

namespace vorlund {

// Where every fight begins. The sphere's cells are numbered so that the
// player's fighter on cell 196 and the guest on cell 577 stand twelve steps
// apart, the fight distance at rest, with the arena centre 1272 on a
// shortest way between them.
inline constexpr std::int32_t kPlayerStartCell = 196;
inline constexpr std::int32_t kGuestStartCell = 577;
inline constexpr std::int32_t kArenaCentreStart = 1272;
inline constexpr std::int32_t kRestDistance = 12;

}  // namespace vorlund

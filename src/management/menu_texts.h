#pragma once
#include <string_view>

namespace vorlund {

// The Names menu's own lines. A click acts only on a line written exactly
// so, blanks and spelling included.
inline constexpr std::string_view kGambleInTheStands = "gamble in the stands";
inline constexpr std::string_view kPracticeToFirstBlood = "practice to first blood";
inline constexpr std::string_view kPayForBreeding = "pay for breeding";
inline constexpr std::string_view kBetrayGuest = "betray guest";
inline constexpr std::string_view kRestWeek = "rest week";
inline constexpr std::string_view kReleaseFighters = "release fighters";
inline constexpr std::string_view kForfit = "forfit";
inline constexpr std::string_view kBetray = "betray";
inline constexpr std::string_view kLeaveOutToPasture = " leave out to pasture";
inline constexpr std::string_view kHireNecromancer = "hire necromancer";

}  // namespace vorlund

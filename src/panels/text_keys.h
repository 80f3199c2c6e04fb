#pragma once

namespace vorlund {
struct Game;

// Windows virtual-key codes the text windows answer to.
inline constexpr int kVkEscape = 27;
inline constexpr int kVkF1 = 112;
inline constexpr int kVkF2 = 113;
inline constexpr int kVkF3 = 114;
inline constexpr int kVkF4 = 115;

// F1..F4 bring up "Log", "Names", "Us", "Them" (focus when visible, else
// show); Esc pauses or resumes the music. The same in all four text windows.
void textWindowKey(Game& g, int key);

// A mouse press anywhere in the Log pauses or resumes the fight.
void logMouseDown(Game& g);

}  // namespace vorlund

#pragma once

namespace vorlund {
struct Game;

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Windows virtual-key codes of the arena view's own keys (the text-window
// keys Esc and F1..F4 are in panels/text_keys.h).
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;
inline constexpr int kVkF5 = 116;
inline constexpr int kVkF10 = 121;

// A key on the arena view, as a Windows virtual-key code. Only codes 27 to
// 121 do anything: the music, the text windows, the viewed body, the display
// switches, the solar-system scale, and the cell cursor with its ring and
// neighbour positions.
void formKeyDown(Game& g, int key, KeyModifiers mods);

}  // namespace vorlund

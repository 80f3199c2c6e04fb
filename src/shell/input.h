#pragma once

namespace vorlund {
struct Game;

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// A key on the arena view, as a Windows virtual-key code. Only codes 27 to
// 121 do anything.
void formKeyDown(Game& g, int key, KeyModifiers mods);

}  // namespace vorlund

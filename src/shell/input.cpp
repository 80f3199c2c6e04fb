#include "shell/input.h"

#include "panels/text_keys.h"
#include "shell/game.h"

namespace vorlund {

void formKeyDown(Game& g, int key, KeyModifiers /*mods*/) {
  if (key < 27 || key > 121) return;
  if (key >= '0' && key <= '9') {
    g.viewedBody = key - '0';
    return;
  }
  if (key >= 116) {  // F5..F10 view bodies 14..19
    g.viewedBody = key - 116 + 14;
    return;
  }
  switch (key) {
    case kVkEscape:
    case kVkF1:
    case kVkF2:
    case kVkF3:
    case kVkF4:
      textWindowKey(g, key);
      break;
    case 'B':
      g.gridOverlay = !g.gridOverlay;
      break;
    case 'S':
      g.solarScale *= 0.8;
      break;
    case 'W':
      g.solarScale *= 1.2;
      break;
    case 'Y':
      g.texturedGlobe = !g.texturedGlobe;
      break;
    default:
      break;  // the cursor keys come with the world's cursor editor
  }
}

}  // namespace vorlund

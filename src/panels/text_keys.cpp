#include "panels/text_keys.h"

#include "state/game.h"

namespace vorlund {
namespace {

void bringUp(Game& g, WindowId w) {
  if (g.platform->isVisible(w))
    g.platform->focusWindow(w);
  else
    g.platform->showWindow(w);
}

}  // namespace

void textWindowKey(Game& g, int key) {
  switch (key) {
    case kVkF1:
      bringUp(g, WindowId::Log);
      break;
    case kVkF2:
      bringUp(g, WindowId::Names);
      break;
    case kVkF3:
      bringUp(g, WindowId::Us);
      break;
    case kVkF4:
      bringUp(g, WindowId::Them);
      break;
    case kVkEscape:
      if (g.musicOn)
        g.platform->musicPauseOrResume();
      else
        g.platform->musicResume();
      g.musicOn = !g.musicOn;
      break;
    default:
      break;
  }
}

void logMouseDown(Game& g) {
  g.fightRunning = !g.fightRunning;
}

}  // namespace vorlund

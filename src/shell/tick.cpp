#include "shell/tick.h"

#include "combat/turn_step.h"
#include "fighters/graveyard_file.h"
#include "fighters/roster_files.h"
#include "management/between_fights.h"
#include "management/farm.h"
#include "management/zaps.h"
#include "panels/tiling.h"
#include "shell/game.h"
#include "solar/solar.h"

namespace vorlund {
namespace {

// The fight reports its end; bringing back the menu is the loop's work.
void advanceFight(Game& g) {
  if (g.turnCounter < 1 || !g.fightRunning) return;
  const StepReport report = turnStep(g);
  finishPhase(g);
  if (report == StepReport::FightOver) showBetweenFightsMenu(g);
}

}  // namespace

void firstTickWork(Game& g) {
  for (const auto& [window, bounds] : textWindowLayout(g.platform->bounds(WindowId::Main), false))
    g.platform->setBounds(window, bounds);
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    g.platform->showWindow(w);
  namesSelect(g.names, g.rng.random(static_cast<std::int32_t>(g.names.lines().size())));
  g.startupCountdown = kCountdownIdle;
  if (loadRoster(g) > 0) showFarmAtStartUp(g);
  loadGraveyard(g);
}

void timer1Timer(Game& g) {
  if (g.startupCountdown > 0) {
    if (--g.startupCountdown == 0) firstTickWork(g);
  } else {
    advanceFight(g);
    // The layout guard is released one tick after a resize raised it.
    if (g.startupCountdown < kCountdownIdle) ++g.startupCountdown;
  }
  if (g.zapCountdown > 0) --g.zapCountdown;
  solarTick(g);
  drawZapFlicker(g);
  g.platform->paintArena();
}

}  // namespace vorlund

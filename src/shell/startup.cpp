#include "shell/startup.h"

#include "combat/fight_queues.h"
#include "fighters/graveyard_file.h"
#include "fighters/roster_files.h"
#include "management/names_window.h"
#include "panels/sheet.h"
#include "shell/game.h"
#include "shell/settings.h"
#include "shell/start_conditions.h"
#include "solar/solar.h"
#include "world/arena_start.h"
#include "world/world_load.h"

namespace vorlund {
namespace {

void fillSlotTables(Game& g) {
  g.slotTable = identitySlots();
  g.combatantOrder = identitySlots();
  g.combatantCount = kArenaFighters;
}

void setViewAndSolarFirstValues(Game& g) {
  setSolarFirstValues(g);
  g.globeScale = 1.0;
  g.viewYaw = 0.0;
  g.viewPitch = 0.0;
  g.dragStartX = 0.0;
  g.dragStartY = 0.0;
  g.gridOverlay = false;
  g.texturedGlobe = true;
  g.viewDepth = -8.0 * g.globeScale;
  g.mouseDrag = false;
}

// Toolkits deliver the wheel themselves; only the lines per notch remain,
// and a desktop that reports nonsense gets the usual three.
void setUpWheel(Game& g) {
  g.wheelPresent = true;
  g.wheelMessage = 522;
  g.wheelScrollLines = saneWheelLines(g.platform->wheelScrollLines());
}

void setFightFirstValues(Game& g) {
  g.cursorNeighbourPos = 1;
  g.startupCountdown = 1;
  g.turnCounter = 0;
  g.turnPhase = 0;
  g.fightRunning = true;
  g.arenaCentre = kArenaCentreStart;
  g.combatantOrder = identitySlots();
  g.zapCountdown = 0;
  // The fight queues get their room now, so that no turn has to allocate.
  reserveFightQueues(g);
}

}  // namespace

bool formCreate(Game& g) {
  g.betrayal = false;
  g.necromancerHired = false;
  fillSlotTables(g);
  readSettings(g);
  setViewAndSolarFirstValues(g);
  if (!loadWorld(g)) return false;
  loadSolarSystem(g);
  setUpWheel(g);
  g.cursorShown = false;
  setupTables(g);
  setFightFirstValues(g);
  g.platform->musicPlay();
  g.musicOn = true;
  g.fightToDeath = true;
  return true;
}

bool startGame(Game& g, unsigned seed) {
  if (!formCreate(g)) return false;
  layForm(g.us);
  g.us.caption = "Us";
  layForm(g.them);
  g.them.caption = "Them";
  namesFormCreate(g, seed);
  return true;
}

void formClose(Game& g) {
  saveSolarSystem(g);
  saveRingTable(g);
  writeSettings(g);
  saveRoster(g);
  saveGraveyard(g);
}

}  // namespace vorlund

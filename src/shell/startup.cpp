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

// The toolkit delivers the wheel's notches; the game needs only how many
// lines a notch scrolls, and a desktop that reports nonsense gets three, the
// common default.
void setUpWheel(Game& g) {
  g.wheelScrollLines = saneWheelLines(g.platform->wheelScrollLines());
}

void setFightFirstValues(Game& g) {
  g.cursorNeighbourPos = 1;
  g.startupCountdown = kCountdownStart;
  g.turnCounter = 0;
  g.turnPhase = TurnPhase::None;
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
  sheetSetCaption(g.us, "Us");
  layForm(g.them);
  sheetSetCaption(g.them, "Them");
  namesFormCreate(g, seed);
  return true;
}

void formClose(Game& g) {
  if (g.planetLoaded) saveSolarSystem(g);
  saveRingTable(g);
  writeSettings(g);
  if (g.rosterLoaded) saveRoster(g);
  if (g.graveyardLoaded) saveGraveyard(g);
}

}  // namespace vorlund

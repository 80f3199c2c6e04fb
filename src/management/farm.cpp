#include "management/farm.h"

#include "fighters/opponent_generator.h"
#include "management/between_fights.h"
#include "management/menu_texts.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "panels/sheet.h"
#include "shell/game.h"

namespace vorlund {

int namedFarmFighters(const Game& g) {
  int named = 0;
  for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s)
    if (!slot(g, s).Name_String.empty()) ++named;
  return named;
}

void startFarmList(Game& g) {
  namesClear(g.names);
  namesAdd(g.names, kLeaveOutToPasture);
  namesAdd(g.names, "");
}

void listFarmNames(Game& g) {
  for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s)
    if (!slot(g, s).Name_String.empty()) namesAdd(g.names, slot(g, s).Name_String.str());
}

void tellFarmIsFull(Game& g) {
  for (const char* line :
       {"", "the Farm is full", " either close the game", " or reactivate", " a slave"}) {
    namesAdd(g.names, line);
    logAdd(g.log, line);
  }
  logShowLast(g.log);
}

void farmBraveryDrift(Game& g, TCharacterDMG& c) {
  if (g.rng.dice(1) > c.Bravery && c.Race != "boa constrictor") ++c.Bravery;
}

void showFarmAtStartUp(Game& g) {
  if (namedFarmFighters(g) < kFarmSlots) {
    generateFighter(g, 2);
    showBetweenFightsMenu(g);
    refreshSheets(g);
    return;
  }
  namesSetState(g.names, MenuState::Farm);
  startFarmList(g);
  listFarmNames(g);
  refreshSheets(g);
  tellFarmIsFull(g);
}

}  // namespace vorlund

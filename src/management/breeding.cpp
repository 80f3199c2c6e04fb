#include "management/breeding.h"

#include "management/farm.h"
#include "management/menu_texts.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "panels/sheet.h"
#include "shell/game.h"

namespace vorlund {

namespace {

int lowestFreeFarmSlot(const Game& g) {
  for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s)
    if (slot(g, s).Name_String.empty()) return s;
  return 0;
}

}  // namespace

void storeInFarm(Game& g) {
  for (int s = 1; s <= kSlotCount; ++s) logAdd(g.log, slot(g, s).Name_String.str());
  const int free = lowestFreeFarmSlot(g);
  if (free == 0) {
    namesAdd(g.names, "");
    namesAdd(g.names, "the farm is full");
    return;
  }
  copyRecord(slot(g, 1), slot(g, free));
  clearRecord(slot(g, 1));
}

void payForBreeding(Game& g) {
  startFarmList(g);
  const TCharacterDMG& us = slot(g, 1);
  if (us.Wounds < us.ST) storeInFarm(g);
  refreshSheets(g);
  namesSetState(g.names, MenuState::Farm);
  listFarmNames(g);
  if (namedFarmFighters(g) < kFarmSlots) return;
  if (g.necromancerHired) {
    namesAdd(g.names, "necromancer");
    return;
  }
  for (const char* line : {"", "The Farm is Full", ""}) namesAdd(g.names, line);
  namesAdd(g.names, kHireNecromancer);
}

}  // namespace vorlund

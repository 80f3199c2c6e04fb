#include "management/farm_menu.h"

#include "management/between_fights.h"
#include "management/farm.h"
#include "management/menu_texts.h"
#include "management/names_window.h"
#include "panels/names_model.h"
#include "panels/sheet.h"
#include "shell/game.h"

namespace vorlund {

namespace {

// Back to the start of the wizard: a new fighter is made for the arena.
void startNewFighter(Game& g) {
  refreshSheets(g);
  showNamesToChoose(g);
  namesSelect(g.names, g.rng.random(static_cast<std::int32_t>(g.names.lines().size())));
  namesSetState(g.names, MenuState::ChooseName);
}

void leaveOutToPasture(Game& g) {
  if (namedFarmFighters(g) < kFarmSlots) return startNewFighter(g);
  tellFarmIsFull(g);
}

// The first farm slot whose fighter bears the clicked name; 0 for none. Only
// the farm is searched: a guest or a dead arena fighter of the same name
// must not be taken for him, or the farm would be shifted over the guest.
int farmSlotNamed(const Game& g, const std::string& text) {
  for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s) {
    const ShortString& name = slot(g, s).Name_String;
    if (!name.empty() && name == text) return s;
  }
  return 0;
}

}  // namespace

void takeIntoArena(Game& g, int k) {
  copyRecord(slot(g, k), slot(g, 1));
  for (int j = k; j < kLastFarmSlot; ++j) copyRecord(slot(g, j + 1), slot(g, j));
  slot(g, kLastFarmSlot).Name_String = "";
}

void farmMenuClick(Game& g, const std::string& text) {
  if (text == kLeaveOutToPasture) return leaveOutToPasture(g);
  if (text == kHireNecromancer) {
    g.necromancerHired = true;
    return startNewFighter(g);
  }
  const int s = farmSlotNamed(g, text);
  if (s == 0) return;
  takeIntoArena(g, s);
  refreshSheets(g);
  showBetweenFightsMenu(g);
}

}  // namespace vorlund

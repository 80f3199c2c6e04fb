#include "management/rest_week.h"

#include "management/farm.h"
#include "management/necromancer.h"
#include "panels/sheet.h"
#include "state/game.h"
#include "state/log_model.h"
#include "state/wrap32.h"

namespace vorlund {

namespace {

constexpr std::int32_t kFarmSupport = 20;

// Three wounds heal in a week of rest, four after a week that was rested
// too; the two alternate.
void heal(TCharacterDMG& c) {
  c.Wounds = wrappedSum(c.Wounds, c.Rest_Last_Week ? -4 : -3);
  c.Rest_Last_Week = !c.Rest_Last_Week;
  if (c.Wounds < 0) c.Wounds = 0;
}

// The guest is fed by his own people; every other named fighter costs his
// slot's purse the farm's support.
void keep(Game& g, int s, TCharacterDMG& c) {
  if (s == 2 || c.Name_String.empty()) return;
  c.Coin = wrappedSum(c.Coin, -kFarmSupport);
  logAdd(g.log, "-20$ farm support");
  if (s >= kFirstFarmSlot) farmBraveryDrift(g, c);
}

}  // namespace

void restWeek(Game& g) {
  for (int s = 1; s <= kSlotCount; ++s) {
    TCharacterDMG& c = slot(g, s);
    if (c.Wounds >= c.ST) continue;  // the dead neither eat nor heal
    keep(g, s, c);
    heal(c);
  }
  logShowLast(g.log);
  sheetFill(g, 1, SheetField::Wounds);
  sheetFill(g, 2, SheetField::Wounds);
  if (g.necromancerHired) necromancerWeek(g);
  ageGraves(g);
}

}  // namespace vorlund

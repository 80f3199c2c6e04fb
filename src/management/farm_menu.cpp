#include "management/farm_menu.h"

#include "shell/game.h"

namespace vorlund {

// The farm and the necromancer arrive with their own work; until then
// "pay for breeding" and the farm menu do nothing.
void payForBreeding(Game&) {}
void farmMenuClick(Game&, const std::string&) {}

}  // namespace vorlund

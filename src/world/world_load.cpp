#include "world/world_load.h"

#include "shell/game.h"

namespace vorlund {

// The sphere arrives with the world issue; until then the game starts without one.
bool loadWorld(Game&) { return true; }
void setupTables(Game&) {}
void saveRingTable(Game&) {}

}  // namespace vorlund

#include "combat/turn_step.h"

#include "shell/game.h"

namespace vorlund {

void turnStep(Game&) {}

}  // namespace vorlund

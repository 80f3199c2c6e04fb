#include "management/zaps.h"

#include "shell/game.h"

namespace vorlund {

// The zap beam arrives with the week-and-zaps work; until then the commands
// are listed and do nothing.
void forfitZap(Game&) {}
void betrayZap(Game&) {}

}  // namespace vorlund

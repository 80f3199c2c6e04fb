#pragma once

namespace vorlund {
struct Game;

// One small step of the current fight: a phase, or one piece of a phase.
// Sets the phase-done flag when the phase has finished.
void turnStep(Game& g);

}  // namespace vorlund

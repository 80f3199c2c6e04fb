#pragma once

namespace vorlund {
struct Game;

// What a turn step tells the loop, which acts on it: when a fight is over,
// the loop brings back the between-fights menu.
enum class StepReport { None, FightOver };

// One small step of the current fight: a phase, or one piece of a phase.
// Sets the phase-done flag when the phase has finished.
StepReport turnStep(Game& g);

// After a turn step: a finished phase moves the counter on, 5 wrapping to 1.
void finishPhase(Game& g);

}  // namespace vorlund

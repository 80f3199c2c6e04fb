#pragma once

namespace vorlund {
struct Game;

// The two zap commands of a running fight: "forfit" zaps the player's own
// fighter, "betray" the guest (the caller has checked the Betrayal flag).
void forfitZap(Game& g);
void betrayZap(Game& g);

}  // namespace vorlund

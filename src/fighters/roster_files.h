#pragma once

namespace vorlund {
struct Game;

// The farm ("characters.svd") and the graveyard ("graveL.ist"): read at the
// first tick, written at close.
void loadRoster(Game& g);
void loadGraveyard(Game& g);
void saveRoster(Game& g);
void saveGraveyard(Game& g);

}  // namespace vorlund

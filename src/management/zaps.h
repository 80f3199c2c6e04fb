#pragma once

namespace vorlund {
struct Game;

// The two zap commands of a running fight: "forfit" zaps the player's own
// fighter, "betray" the guest (the caller has checked the Betrayal flag).
void forfitZap(Game& g);
void betrayZap(Game& g);

// Whether a frame painted now shows the zap beam: while the zap lasts, on
// the fighter of a slot that exists, on the globe of a body in view.
bool zapBeamShown(const Game& g);

// The beam's blue flickers: every frame that shows it takes a fresh draw
// from the game's generator. The frame's painter only reads `zapFlicker`;
// the tick draws it just before it paints, and a press on the arena just
// before its selection pass, so that a game without a screen makes the same
// draws in the same order.
void drawZapFlicker(Game& g);

}  // namespace vorlund

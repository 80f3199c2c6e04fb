#pragma once

namespace vorlund {
struct Game;
}

namespace vorlund::render {

// The GL state set once when the arena's context is made: point smoothing,
// blending, byte-aligned unpacking, repeating nearest-filtered textures.
void initGlState();

// Draws one frame of the arena view into the current context.
void formPaint(const Game& g, int width, int height);

}  // namespace vorlund::render

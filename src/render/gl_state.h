#pragma once

namespace vorlund::render {

// The GL state set once at start-up: smooth points, blending by source
// alpha, byte-aligned unpacking, repeating nearest-filtered textures
// modulated by the lit colour.
void initGlState();

}  // namespace vorlund::render

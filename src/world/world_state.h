#pragma once

namespace vorlund {

// The hex sphere: cells, triangles, texture layout, ring and neighbour
// tables. Filled at start-up by the world load.
struct WorldState {};

}  // namespace vorlund

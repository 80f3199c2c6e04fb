#pragma once
#include <cstdint>

#include "state/world_state.h"

namespace vorlund {

struct Game;

// Lays triangle t flat around its centre: corners 1 and 2 either side of the
// u axis at the distance of corner 1, corner 3 after them, all times 10 so the
// texture repeats a few times around the globe. Angles are the triangle's
// inner angles.
TriangleTexture polarLayout(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& centre);

// Triangle 1 starts the strip where the polar layout puts it.
void layOutFirstTriangle(WorldState& w);

// Joins triangle t (2..T) to triangle t - 1 in the texture plane. False, with
// triangle t left as it was, when the two do not share an edge in one of the
// three ways the strip continues.
bool layOutTriangle(WorldState& w, std::int32_t t);

// Unrolls the whole strip, beeping once for every triangle that breaks it.
void layOutTexture(Game& g);

}  // namespace vorlund

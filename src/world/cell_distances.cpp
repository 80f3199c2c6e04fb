#include "world/cell_distances.h"

namespace vorlund {

// distance(a, b) and distance(b, a) square the same differences, so one half
// of the matrix is measured and mirrored.
CellDistances::CellDistances(const WorldState& w) : d_(kStride * kStride, 0.0f) {
  for (std::size_t a = 0; a < kStride; ++a) {
    const Vec3& pa = cellPosition(w, static_cast<std::int32_t>(a));
    for (std::size_t b = a + 1; b < kStride; ++b) {
      const float d = distance(pa, cellPosition(w, static_cast<std::int32_t>(b)));
      d_[a * kStride + b] = d;
      d_[b * kStride + a] = d;
    }
  }
}

}  // namespace vorlund

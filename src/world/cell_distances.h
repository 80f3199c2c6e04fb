#pragma once
#include <cstdint>
#include <vector>

#include "state/world_state.h"

namespace vorlund {

// The distance between every two cells, and from the origin ("cell" 0) to
// every cell, each measured once with the distance operation. Building the
// ring and neighbour tables asks for millions of distances but only about a
// million different ones; the answers are the very same singles.
class CellDistances {
 public:
  explicit CellDistances(const WorldState& w);

  // a and b are cells or 0; any other number reads as 0, the origin.
  float operator()(std::int32_t a, std::int32_t b) const {
    return d_[index(a) * kStride + index(b)];
  }
  // The distances from cell a to cells 0..1461.
  const float* row(std::int32_t a) const { return d_.data() + index(a) * kStride; }

 private:
  static constexpr std::size_t kStride = kSphereCellCount + 1;
  static std::size_t index(std::int32_t c) { return isCell(c) ? static_cast<std::size_t>(c) : 0; }
  std::vector<float> d_;
};

}  // namespace vorlund

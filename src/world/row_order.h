#pragma once
#include <cstdint>
#include <utility>

namespace vorlund {

// Orders a row as a walk: each position is followed by the entry nearest to
// it among those after it (the first of equally near ones). Starting from the
// row's first entry this goes round a ring or round a cell. entry[1..last];
// empty entries (0) are skipped.
template <class Distance>
void orderByWalk(std::int32_t* entry, std::int32_t last, const Distance& distanceBetween) {
  for (std::int32_t p = 1; p < last; ++p) {
    float best = 1000.0f;
    std::int32_t nearest = 0;
    for (std::int32_t q = p + 1; q <= last; ++q) {
      if (entry[q] == 0) continue;
      const float d = distanceBetween(entry[p], entry[q]);
      if (d < best) {
        best = d;
        nearest = q;
      }
    }
    if (nearest != 0) std::swap(entry[p + 1], entry[nearest]);
  }
}

}  // namespace vorlund

#pragma once
#include <array>
#include <cstdint>

namespace vorlund {

struct Grave {
  std::int32_t cell = 0;
  std::int32_t age = 0;   // weeks
  std::int32_t race = 0;  // race code of the dead fighter
};

// Up to 5000 graves, numbered from 1 in the rules (entry 0 here is grave 1).
struct Graveyard {
  static constexpr int kMaxGraves = 5000;
  std::array<Grave, kMaxGraves> graves{};
  std::int32_t count = 0;
};

}  // namespace vorlund

#include "app/tick_clock.h"

#include <algorithm>

namespace vorlund::app {

TickClock::TickClock(int ticksPerSecond, std::int64_t nowMs)
    : rate_(std::max(1, ticksPerSecond)), originMs_(nowMs) {}

std::int64_t TickClock::msUntilNextTick(std::int64_t nowMs) {
  if (nowMs - dueMs() > kCatchUpLimitMs) {
    originMs_ = nowMs;
    next_ = 0;
  }
  return std::max<std::int64_t>(0, dueMs() - nowMs);
}

}  // namespace vorlund::app

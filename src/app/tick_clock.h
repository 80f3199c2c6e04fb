#pragma once
#include <cstdint>

namespace vorlund::app {

// When the game clock's ticks are due, at a steady number per second. Each
// tick has its own moment, counted from an origin, so that a late tick does
// not push back the ones after it and the pace never drifts. After a long
// stall (a suspended machine, an event loop held up) the count starts afresh
// from the moment of the stall's end instead of rushing through the ticks
// that were missed.
class TickClock {
 public:
  // A tick later than this is not caught up with.
  static constexpr std::int64_t kCatchUpLimitMs = 250;

  // Starts counting at nowMs; the first tick is due one period later.
  TickClock(int ticksPerSecond, std::int64_t nowMs);

  // Milliseconds from nowMs until the next tick is due (0 when it is due).
  std::int64_t msUntilNextTick(std::int64_t nowMs);
  // The next tick has run.
  void ticked() { ++next_; }

  int ticksPerSecond() const { return rate_; }

 private:
  std::int64_t dueMs() const { return originMs_ + next_ * 1000 / rate_; }

  int rate_;
  std::int64_t originMs_;
  std::int64_t next_ = 1;  // the number of the next tick counted from the origin
};

}  // namespace vorlund::app

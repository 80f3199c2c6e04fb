// The game clock's pace and the command line that chooses it, without a display.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/tick_clock.h"

namespace vorlund::app {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, SpeedInRangeIsTakenAnythingElseRefused) {
  const struct {
    std::vector<std::string> args;
    Action action;
    std::optional<int> speed;
  } cases[] = {
      {{}, Action::Play, std::nullopt},
      {{"--speed", "8"}, Action::Play, 8},
      {{"--speed", "256"}, Action::Play, 256},
      {{"--speed=32"}, Action::Play, 32},
      {{"-platform", "xcb", "--speed", "16"}, Action::Play, 16},  // Qt's own are left to Qt
      {{"--speed", "16", "--speed", "128"}, Action::Play, 128},   // the last one counts
      {{"--speed", "7"}, Action::Refuse, std::nullopt},
      {{"--speed", "257"}, Action::Refuse, std::nullopt},
      {{"--speed", "-64"}, Action::Refuse, std::nullopt},
      {{"--speed", "+64"}, Action::Refuse, std::nullopt},
      {{"--speed", "64x"}, Action::Refuse, std::nullopt},
      {{"--speed", ""}, Action::Refuse, std::nullopt},
      {{"--speed="}, Action::Refuse, std::nullopt},
      {{"--speed", "99999999999999999999"}, Action::Refuse, std::nullopt},
      {{"--speed"}, Action::Refuse, std::nullopt},
      {{"--speed", "300", "--help"}, Action::Refuse, std::nullopt},
      {{"--help", "--speed", "300"}, Action::Help, std::nullopt},
      {{"--version"}, Action::Version, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::string joined = ::testing::PrintToString(c.args);
    const CommandLine line = parseCommandLine(c.args);
    EXPECT_EQ(line.action, c.action) << joined;
    EXPECT_EQ(line.speed, c.speed) << joined;
    EXPECT_EQ(line.error.empty(), c.action != Action::Refuse) << joined;
  }
  EXPECT_EQ(parseCommandLine({"--speed"}).error,
            "--speed needs a whole number of ticks per second from 8 to 256 (64 is the designed "
            "pace)");
}

// A clock driven by a timer that fires exactly when asked.
std::vector<std::int64_t> tickMoments(int rate, int ticks, std::int64_t startMs = 1000) {
  TickClock clock(rate, startMs);
  std::vector<std::int64_t> moments;
  std::int64_t now = startMs;
  for (int i = 0; i < ticks; ++i) {
    now += clock.msUntilNextTick(now);
    moments.push_back(now);
    clock.ticked();
  }
  return moments;
}

TEST(TickClock, EverySecondHoldsExactlyItsTicksAtEveryPace) {
  for (int rate : {8, 13, 64, 100, 255, 256}) {
    const auto moments = tickMoments(rate, 3 * rate);
    EXPECT_EQ(moments[rate - 1], 2000) << rate;
    EXPECT_EQ(moments[2 * rate - 1], 3000) << rate;
    EXPECT_EQ(moments.back(), 4000) << rate;
    for (std::size_t i = 1; i < moments.size(); ++i) {
      const std::int64_t gap = moments[i] - moments[i - 1];
      EXPECT_TRUE(gap == 1000 / rate || gap == 1000 / rate + 1) << rate << " tick " << i;
    }
  }
  const auto designed = tickMoments(64, 4);
  EXPECT_EQ(designed, (std::vector<std::int64_t>{1015, 1031, 1046, 1062}));
}

TEST(TickClock, LateTicksKeepTheScheduleALongStallStartsItAfresh) {
  TickClock clock(64, 0);
  EXPECT_EQ(clock.msUntilNextTick(0), 15);
  // The tick came 10 ms late: the next one is still due at its own moment.
  clock.ticked();
  EXPECT_EQ(clock.msUntilNextTick(25), 6);  // tick 2 at 31
  clock.ticked();
  // 200 ms behind: the missed ticks are run at once to catch up.
  EXPECT_EQ(clock.msUntilNextTick(46 + 200), 0);
  clock.ticked();
  EXPECT_EQ(clock.msUntilNextTick(250), 0);  // tick 4 was due at 62
  // A stall of a second: no rush through 64 ticks; the count starts again.
  clock.ticked();
  EXPECT_EQ(clock.msUntilNextTick(1300), 0);
  clock.ticked();
  EXPECT_EQ(clock.msUntilNextTick(1300), 15);
  clock.ticked();
  EXPECT_EQ(clock.msUntilNextTick(1316), 15);  // tick 2 after the stall at 1331
}

}  // namespace
}  // namespace vorlund::app

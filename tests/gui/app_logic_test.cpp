// The app's logic that needs no display: the clock's pace, the command line
// that chooses it, and the key codes.
#include <gtest/gtest.h>


#include "app/command_line.h"
#include "app/tick_clock.h"

namespace vorlund::app {
namespace {

using Action = CommandLine::Action;

// Every argument is the game's, or Qt's with its value, or refused: an
// option misspelt or a stray word never starts the game.
TEST(CommandLine, EveryArgumentIsTheGamesOrQtsOrRefused) {
  const struct {
    std::vector<std::string> args;
    Action action;
    std::optional<int> speed;
    bool platformChosen = false;
  } cases[] = {
      {{}, Action::Play, std::nullopt},
      {{"--speed", "8"}, Action::Play, 8},
      {{"--speed", "256"}, Action::Play, 256},
      {{"--speed=32"}, Action::Play, 32},
      {{"-platform", "xcb", "--speed", "16"}, Action::Play, 16, true},
      {{"--platform", "wayland"}, Action::Play, std::nullopt, true},
      {{"-display", ":1", "-style=fusion", "-reverse", "-qwindowtitle", "--speed"},
       Action::Play, std::nullopt},  // a value is taken whatever it looks like
      {{"--speed", "16", "--speed", "128"}, Action::Play, 128},  // the last one counts
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
      {{"--versoin"}, Action::Refuse, std::nullopt},
      {{"--speed", "16", "-h", "--versoin"}, Action::Help, std::nullopt},
      {{"--speed", "16", "--versoin", "-h"}, Action::Refuse, std::nullopt},
      {{"savegame"}, Action::Refuse, std::nullopt},
      {{"-"}, Action::Refuse, std::nullopt},
      {{"--"}, Action::Refuse, std::nullopt},
      {{"-platform"}, Action::Refuse, std::nullopt},
      {{"-platform=xcb"}, Action::Refuse, std::nullopt},
      {{"-reverse=yes"}, Action::Refuse, std::nullopt},
      {{"-display", ":1", "extra"}, Action::Refuse, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::string joined = ::testing::PrintToString(c.args);
    const CommandLine line = parseCommandLine(c.args);
    EXPECT_EQ(line.action, c.action) << joined;
    if (c.action == Action::Play) {
      EXPECT_EQ(line.speed, c.speed) << joined;
    }
    EXPECT_EQ(line.platformChosen, c.platformChosen) << joined;
    EXPECT_EQ(line.error.empty(), c.action != Action::Refuse) << joined;
  }
  EXPECT_EQ(parseCommandLine({"--speed"}).error,
            "--speed needs a whole number of ticks per second from 8 to 256 (64 is the designed "
            "pace)");
  EXPECT_EQ(parseCommandLine({"--versoin"}).error, "unknown option --versoin");
  EXPECT_EQ(parseCommandLine({"savegame"}).error, "unexpected argument \"savegame\"");
  EXPECT_EQ(parseCommandLine({"-session"}).error, "-session needs a value");
  EXPECT_EQ(parseCommandLine({"--display", ":7", "-reverse"}).display, ":7");
}

// At every pace each second holds exactly its ticks, 1000 / rate apart
// rounded either way, for a timer that fires exactly when asked.
TEST(TickClock, EverySecondHoldsExactlyItsTicksAtEveryPace) {
  for (int rate : {8, 13, 64, 100, 255, 256}) {
    TickClock clock(rate, 1000);
    std::int64_t now = 1000;
    for (int tick = 1; tick <= 3 * rate; ++tick) {
      const std::int64_t gap = clock.msUntilNextTick(now);
      EXPECT_TRUE(gap == 1000 / rate || gap == 1000 / rate + 1) << rate << " tick " << tick;
      now += gap;
      clock.ticked();
      EXPECT_TRUE(tick % rate != 0 || now == 1000 + 1000 * tick / rate) << rate << " at " << tick;
    }
  }
}

// At 64 a second from 0 the ticks are due at 15, 31, 46, 62, ...: a late tick
// leaves the next one at its own moment, up to 250 ms behind the missed ones
// run at once, and after a longer stall the count starts afresh.
TEST(TickClock, LateTicksKeepTheScheduleALongStallStartsItAfresh) {
  TickClock clock(64, 0);
  const std::pair<std::int64_t, std::int64_t> nowAndWait[] = {
      {0, 15}, {25, 6}, {46 + 200, 0}, {62 + 250, 0}, {78 + 251, 0}, {329, 15}, {345, 15}};
  for (const auto& [now, wait] : nowAndWait) {
    EXPECT_EQ(clock.msUntilNextTick(now), wait) << "at " << now;
    clock.ticked();
  }
}

}  // namespace
}  // namespace vorlund::app

#include "shell/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/memory_settings_store.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

// A game folder holding the sphere, so that the start-up gets through.
struct TestGame : test::TestGame {
  explicit TestGame(std::unique_ptr<SettingsStore> store = nullptr)
      : test::TestGame(std::move(store)) {
    test::installWorld(dir);
  }
};

TEST(Settings, FirstRunGivesEveryPurseItsStake) {
  TestGame t;
  ASSERT_TRUE(startGame(t.g(), 1));
  for (int s = 1; s <= kSlotCount; ++s) EXPECT_EQ(slot(t.g(), s).Coin, 1375000);
  EXPECT_FALSE(t.g().betrayal);
  EXPECT_EQ(t.platform->bounds(WindowId::Main), (WindowBounds{20, 74, 691, 511}));
  EXPECT_EQ(t.platform->state, WindowState::Normal);
}

// Runs a game to its close and hands its stored values to a second game.
struct TwoRuns {
  std::unique_ptr<MemorySettingsStore> carried = std::make_unique<MemorySettingsStore>();
  void closeFirst(WindowState state, bool active, int coinOffset) {
    TestGame t;
    ASSERT_TRUE(startGame(t.g(), 1));
    t.platform->windowBounds[0] = {30, 40, 500, 400};
    t.platform->state = state;
    t.platform->active = active;
    for (int s = 1; s <= kSlotCount; ++s) slot(t.g(), s).Coin = coinOffset - s * 1000;
    t.g().betrayal = true;
    writeSettings(t.g());
    auto& stored = static_cast<MemorySettingsStore&>(t.platform->settings());
    for (const auto& [key, value] : stored.values()) carried->setRaw(key.first, key.second, value);
  }
};

TEST(Settings, NormalCloseRestoresGeometryPursesAndBetrayal) {
  TwoRuns runs;
  runs.closeFirst(WindowState::Normal, true, 0);
  EXPECT_EQ(runs.carried->readInteger("MainForm", "Status", 0), 1);
  TestGame second(std::move(runs.carried));
  ASSERT_TRUE(startGame(second.g(), 1));
  EXPECT_EQ(second.platform->bounds(WindowId::Main), (WindowBounds{30, 40, 500, 400}));
  for (int s = 1; s <= kSlotCount; ++s) EXPECT_EQ(slot(second.g(), s).Coin, -s * 1000);
  EXPECT_TRUE(second.g().betrayal);
  EXPECT_EQ(second.platform->state, WindowState::Normal);
}

TEST(Settings, MaximisedCloseKeepsTheLastNormalBounds) {
  TwoRuns runs;
  runs.closeFirst(WindowState::Maximised, true, 5);
  EXPECT_EQ(runs.carried->readInteger("MainForm", "Status", 0), 3);
  EXPECT_EQ(runs.carried->values().count({"MainForm", "Top"}), 0u);
  TestGame second(std::move(runs.carried));
  ASSERT_TRUE(startGame(second.g(), 1));
  EXPECT_EQ(second.platform->state, WindowState::Maximised);
  EXPECT_EQ(second.platform->bounds(WindowId::Main), (WindowBounds{20, 74, 691, 511}));
}

TEST(Settings, MinimisedOrInactiveCloseStartsMinimised) {
  for (auto [state, active] :
       {std::pair{WindowState::Minimised, true}, std::pair{WindowState::Normal, false},
        std::pair{WindowState::Maximised, false}}) {
    TwoRuns runs;
    runs.closeFirst(state, active, 0);
    EXPECT_EQ(runs.carried->readInteger("MainForm", "Status", 0), 2);
    // An inactive normal window still wrote its geometry.
    EXPECT_EQ(runs.carried->values().count({"MainForm", "Top"}), state == WindowState::Normal);
    TestGame second(std::move(runs.carried));
    ASSERT_TRUE(startGame(second.g(), 1));
    EXPECT_EQ(second.platform->state, WindowState::Minimised);
  }
}

TEST(Settings, NonsenseReadsAsTheDefault) {
  auto store = std::make_unique<MemorySettingsStore>();
  store->setRaw("MainForm", "Status", "1");
  store->setRaw("MainForm", "Top", "twelve");
  store->setRaw("MainForm", "Left", "99999999999");
  store->setRaw("MainForm", "Coin1", "");
  store->setRaw("MainForm", "Coin2", "-17");
  store->setRaw("MainForm", "Coin3", "$FFFFFFFF");
  store->setRaw("MainForm", "Betrayal", "maybe");
  TestGame t(std::move(store));
  ASSERT_TRUE(startGame(t.g(), 1));
  EXPECT_EQ(t.platform->bounds(WindowId::Main), (WindowBounds{20, 74, 691, 511}));
  EXPECT_EQ(slot(t.g(), 1).Coin, 0) << "an unreadable purse keeps the record's value";
  EXPECT_EQ(slot(t.g(), 2).Coin, -17);
  EXPECT_EQ(slot(t.g(), 3).Coin, -1);
  EXPECT_FALSE(t.g().betrayal);
}

// Geometry no screen has (a damaged or hand-edited file) is brought onto a
// screen before the first tick lays the text windows out around it.
TEST(Settings, GeometryNoScreenHasIsBroughtOntoOne) {
  auto store = std::make_unique<MemorySettingsStore>();
  store->setRaw("MainForm", "Status", "1");
  store->setRaw("MainForm", "Top", "2147483647");
  store->setRaw("MainForm", "Left", "-2147483648");
  store->setRaw("MainForm", "Width", "2147483647");
  store->setRaw("MainForm", "Height", "-5");
  TestGame t(std::move(store));
  ASSERT_TRUE(startGame(t.g(), 1));
  EXPECT_EQ(t.platform->bounds(WindowId::Main), (WindowBounds{32767, -32767, 32767, 0}));
  timer1Timer(t.g());
  // H = round(32767 x 1/0.968) = 33850, W = round(0 x 1/0.903) = 0.
  EXPECT_EQ(t.platform->bounds(WindowId::Log), (WindowBounds{237, 0, 0, 25388}));
}

}  // namespace
}  // namespace vorlund

#include "shell/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/memory_settings_store.h"
#include "shell/startup.h"
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

TEST(IniSettings, RoundTripsThroughAFileAndSavesAtomically) {
  test::TempDir dir;
  const std::string path = (dir.path() / "vorlund.ini").string();
  {
    IniSettingsStore store(path);
    store.writeInteger("MainForm", "Coin1", -2147483647 - 1);
    store.writeBool("MainForm", "Betrayal", true);
    EXPECT_TRUE(store.flush().ok());
  }
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  EXPECT_EQ(dir.read("vorlund.ini"), "[MainForm]\nBetrayal=1\nCoin1=-2147483648\n");
  IniSettingsStore again(path);
  EXPECT_EQ(again.readInteger("MainForm", "Coin1", 0), -2147483647 - 1);
  EXPECT_TRUE(again.readBool("MainForm", "Betrayal", false));
}

TEST(IniSettings, GarbageOrAFolderReadsAsAFirstRun) {
  test::TempDir dir;
  dir.write("bad.ini", std::string("\0\xff[Main\nStatus\n=3\n[MainForm\nStatus=abc\n", 40));
  IniSettingsStore garbage((dir.path() / "bad.ini").string());
  EXPECT_EQ(garbage.readInteger("MainForm", "Status", 0), 0);
  std::filesystem::create_directory(dir.path() / "folder.ini");
  IniSettingsStore folder((dir.path() / "folder.ini").string());
  EXPECT_EQ(folder.readInteger("MainForm", "Status", 0), 0);
  folder.writeInteger("MainForm", "Status", 1);
  EXPECT_FALSE(folder.flush().ok()) << "a save that cannot land says so";
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "folder.ini.tmp"));
}

}  // namespace
}  // namespace vorlund

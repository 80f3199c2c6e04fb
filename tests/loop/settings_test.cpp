#include "loop/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "loop/memory_settings_store.h"
#include "loop/startup.h"
#include "loop/tick.h"
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

std::unique_ptr<MemorySettingsStore> storeOf(
    const std::vector<std::pair<std::string, std::string>>& mainForm) {
  auto store = std::make_unique<MemorySettingsStore>();
  for (const auto& [ident, value] : mainForm) store->setRaw("MainForm", ident, value);
  return store;
}

// A game closed in each window state, and the next game started from what
// it stored: an inactive window starts minimised, and only a normal window
// stores its bounds (a maximised one keeps the last normal bounds).
TEST(Settings, TheCloseStoresThePursesBetrayalAndTheWindowForTheNextGame) {
  const struct {
    WindowState state;
    bool active;
    int status;
    WindowState next;
  } cases[] = {
      {WindowState::Normal, true, 1, WindowState::Normal},
      {WindowState::Maximised, true, 3, WindowState::Maximised},
      {WindowState::Minimised, true, 2, WindowState::Minimised},
      {WindowState::Normal, false, 2, WindowState::Minimised},
      {WindowState::Maximised, false, 2, WindowState::Minimised},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status * 10 + c.active);
    auto carried = std::make_unique<MemorySettingsStore>();
    {
      TestGame t;
      ASSERT_TRUE(startGame(t.g(), 1));
      t.platform->windowBounds[0] = {30, 40, 500, 400};
      t.platform->state = c.state;
      t.platform->active = c.active;
      for (int s = 1; s <= kSlotCount; ++s) slot(t.g(), s).Coin = -s * 1000;
      t.g().betrayal = true;
      writeSettings(t.g());
      for (const auto& [key, value] :
           static_cast<MemorySettingsStore&>(t.platform->settings()).values())
        carried->setRaw(key.first, key.second, value);
    }
    EXPECT_EQ(carried->readInteger("MainForm", "Status", 0), c.status);
    const bool normal = c.state == WindowState::Normal;
    EXPECT_EQ(carried->values().count({"MainForm", "Top"}), normal);
    EXPECT_EQ(carried->values().count({"MainForm", "Speed"}), 0u) << "the pace is not added";
    TestGame next(std::move(carried));
    ASSERT_TRUE(startGame(next.g(), 1));
    EXPECT_EQ(next.platform->state, c.next);
    EXPECT_EQ(next.platform->bounds(WindowId::Main),
              (normal ? WindowBounds{30, 40, 500, 400} : WindowBounds{20, 74, 691, 511}));
    for (int s = 1; s <= kSlotCount; ++s) EXPECT_EQ(slot(next.g(), s).Coin, -s * 1000);
    EXPECT_TRUE(next.g().betrayal);
  }
}

// Nonsense reads as the default; the pace is the player's to keep: a close
// neither changes it nor (see above) adds it.
TEST(Settings, NonsenseReadsAsTheDefaultAndTheStoredPaceStays) {
  auto store = storeOf({{"Status", "1"},
                        {"Top", "twelve"},
                        {"Left", "99999999999"},
                        {"Coin1", ""},
                        {"Coin2", "-17"},
                        {"Coin3", "$FFFFFFFF"},
                        {"Betrayal", "maybe"},
                        {"Speed", "300"}});
  const MemorySettingsStore* kept = store.get();
  TestGame t(std::move(store));
  ASSERT_TRUE(startGame(t.g(), 1));
  EXPECT_EQ(t.platform->bounds(WindowId::Main), (WindowBounds{20, 74, 691, 511}));
  EXPECT_EQ(slot(t.g(), 1).Coin, 0) << "an unreadable purse keeps the record's value";
  EXPECT_EQ(slot(t.g(), 2).Coin, -17);
  EXPECT_EQ(slot(t.g(), 3).Coin, -1);
  EXPECT_FALSE(t.g().betrayal);
  writeSettings(t.g());
  EXPECT_EQ(kept->values().at({"MainForm", "Speed"}), "300");
}

// Geometry no screen has (a damaged or hand-edited file) is brought onto a
// screen before the first tick lays the text windows out around it.
TEST(Settings, GeometryNoScreenHasIsBroughtOntoOne) {
  TestGame t(storeOf({{"Status", "1"},
                      {"Top", "2147483647"},
                      {"Left", "-2147483648"},
                      {"Width", "2147483647"},
                      {"Height", "-5"}}));
  ASSERT_TRUE(startGame(t.g(), 1));
  EXPECT_EQ(t.platform->bounds(WindowId::Main), (WindowBounds{32767, -32767, 32767, 0}));
  timer1Timer(t.g());
  // H = round(32767 x 1/0.968) = 33850, W = round(0 x 1/0.903) = 0.
  EXPECT_EQ(t.platform->bounds(WindowId::Log), (WindowBounds{237, 0, 0, 25388}));
}

TEST(SpeedSetting, StoredPaceInItsRangeElseTheDesignedOne) {
  const struct {
    const char* stored;  // nullptr: no Speed key
    std::int32_t speed;
  } cases[] = {
      {nullptr, 64}, {"8", 8},    {"256", 256}, {"32", 32}, {"7", 64},   {"257", 64},
      {"0", 64},     {"-64", 64}, {"fast", 64}, {"", 64},   {"$20", 32}, {"99999999999", 64},
  };
  for (const auto& c : cases) {
    MemorySettingsStore store;
    if (c.stored) store.setRaw("MainForm", "Speed", c.stored);
    EXPECT_EQ(readSpeed(store), c.speed) << (c.stored ? c.stored : "(none)");
  }
}

}  // namespace
}  // namespace vorlund

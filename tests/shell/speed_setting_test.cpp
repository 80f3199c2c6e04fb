#include <gtest/gtest.h>

#include "shell/memory_settings_store.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

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

// The pace is the player's to keep: a close neither adds it nor changes it.
TEST(SpeedSetting, TheGameNeverWritesIt) {
  for (const char* stored : {static_cast<const char*>(nullptr), "300", "16"}) {
    auto store = std::make_unique<MemorySettingsStore>();
    if (stored) store->setRaw("MainForm", "Speed", stored);
    MemorySettingsStore* kept = store.get();
    test::TestGame t(std::move(store));
    test::installWorld(t.dir);
    ASSERT_TRUE(startGame(t.g(), 1));
    writeSettings(t.g());
    const auto& values = kept->values();
    const auto speed = values.find({"MainForm", "Speed"});
    if (stored)
      EXPECT_EQ(speed->second, stored);
    else
      EXPECT_EQ(speed, values.end());
    EXPECT_TRUE(values.count({"MainForm", "Coin1"}));
  }
}

}  // namespace
}  // namespace vorlund

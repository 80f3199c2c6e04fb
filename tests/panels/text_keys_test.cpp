#include "panels/text_keys.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace vorlund {
namespace {

struct KeyCase {
  int key;
  WindowId window;
  const char* name;
};

// F1 Log, F2 Names, F3 Us, F4 Them: a hidden window is shown, a visible one
// gets the focus; nothing else is touched.
TEST(TextKeys, FunctionKeysShowAHiddenWindowAndFocusAVisibleOne) {
  for (const KeyCase& c :
       {KeyCase{kVkF1, WindowId::Log, "Log"}, KeyCase{kVkF2, WindowId::Names, "Names"},
        KeyCase{kVkF3, WindowId::Us, "Us"}, KeyCase{kVkF4, WindowId::Them, "Them"}}) {
    test::TestGame t;
    Game& g = t.g();
    textWindowKey(g, c.key);
    EXPECT_TRUE(t.platform->isVisible(c.window)) << c.name;
    textWindowKey(g, c.key);
    EXPECT_EQ(t.platform->calls, (std::vector<std::string>{std::string("show ") + c.name,
                                                           std::string("focus ") + c.name}));
    for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
      EXPECT_EQ(t.platform->isVisible(w), w == c.window) << c.name;
  }
}

// Esc pauses or resumes the music while it is on, resumes it while it is off,
// and flips the music-on flag either way.
TEST(TextKeys, EscapePausesAndResumesTheMusic) {
  test::TestGame t;
  Game& g = t.g();
  g.musicOn = true;
  textWindowKey(g, kVkEscape);
  EXPECT_FALSE(g.musicOn);
  textWindowKey(g, kVkEscape);
  EXPECT_TRUE(g.musicOn);
  textWindowKey(g, kVkEscape);
  EXPECT_EQ(t.platform->calls,
            (std::vector<std::string>{"music pause/resume", "music resume", "music pause/resume"}));
}

TEST(TextKeys, OtherKeysDoNothing) {
  test::TestGame t;
  Game& g = t.g();
  for (int key : {0, 26, 28, int{'A'}, 111, 116, 121, 255}) textWindowKey(g, key);
  EXPECT_TRUE(t.platform->calls.empty());
  EXPECT_FALSE(g.musicOn);
}

// A press anywhere in the Log flips the fight's running flag, fight or not.
TEST(TextKeys, LogPressFlipsTheRunningFlag) {
  test::TestGame t;
  Game& g = t.g();
  g.fightRunning = true;
  logMouseDown(g);
  EXPECT_FALSE(g.fightRunning);
  logMouseDown(g);
  EXPECT_TRUE(g.fightRunning);
  EXPECT_TRUE(t.platform->calls.empty());
}

}  // namespace
}  // namespace vorlund

#include "panels/text_keys.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace vorlund {
namespace {

using Calls = std::vector<std::string>;
using namespace std::string_literals;

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
    EXPECT_EQ(t.platform->calls, (Calls{"show "s + c.name, "focus "s + c.name}));
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
  std::vector<bool> on;
  for (int press = 0; press < 3; ++press) textWindowKey(g, kVkEscape), on.push_back(g.musicOn);
  EXPECT_EQ(std::make_pair(on, t.platform->calls),
            std::make_pair(std::vector<bool>{false, true, false},
                           Calls{"music pause/resume", "music resume", "music pause/resume"}));
}

// Other keys do nothing; a press anywhere in the Log flips the fight's
// running flag, fight or not, and touches no window.
TEST(TextKeys, OtherKeysDoNothingAndALogPressFlipsTheRunningFlag) {
  test::TestGame t;
  Game& g = t.g();
  for (int key : {0, 26, 28, int{'A'}, 111, 116, 121, 255}) textWindowKey(g, key);
  EXPECT_FALSE(g.musicOn);
  g.fightRunning = true;
  logMouseDown(g);
  EXPECT_FALSE(g.fightRunning);
  logMouseDown(g);
  EXPECT_EQ(std::make_pair(g.fightRunning, t.platform->calls), std::make_pair(true, Calls{}));
}

}  // namespace
}  // namespace vorlund

#include "shell/input.h"

#include <gtest/gtest.h>

#include "management/names_window.h"
#include "panels/text_keys.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;

// The text windows' keys work on the arena too (the arena's own keys are
// played in a scenario).
TEST(ArenaKeys, TextWindowKeysWorkOnTheArenaToo) {
  test::TestGame t;
  Game& g = t.g();
  g.musicOn = true;
  formKeyDown(g, kVkF2, {});
  formKeyDown(g, kVkEscape, {true, true, true});
  EXPECT_EQ(t.platform->calls, (Lines{"show Names", "music pause/resume"}));
  EXPECT_FALSE(g.musicOn);
}

// A game on the shipped menu in which Ash, a human of ST 12, has just been
// made and staked against a guest; the fighters are not yet released.
struct Staked : test::TestGame {
  Staked() {
    test::installWorld(dir);
    for (const char* file : {"races.txt", "risks.txt"})
      std::filesystem::copy_file(std::filesystem::path(VORLUND_SOURCE_DIR) / "data" / file,
                                 dir.path() / file);
    dir.write("names.txt", "Ash\r\nBirch\r\nCedar\r\n");
    EXPECT_TRUE(startGame(g(), 3));
    timer1Timer(g());
    for (const char* line : {"Ash", "human", "12"}) click(line);
  }
  void click(const std::string& text) {
    const Lines& lines = g().names.lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == text) return clickNames(g(), static_cast<int>(i));
    ADD_FAILURE() << "no line \"" << text << "\"";
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) timer1Timer(g());
  }
};

TEST(LogClick, WithNoFightRunningTheNextFightStartsPausedUntilTheNextClick) {
  Staked s;
  Game& g = s.g();
  logMouseDown(g);  // between fights: only the flag changes
  EXPECT_EQ(std::make_tuple(g.turnCounter, g.fightRunning), std::make_tuple(0, false));
  s.click("release fighters");
  ASSERT_EQ(g.turnCounter, 1);
  const Lines released = g.log.lines;
  s.ticks(100);
  EXPECT_EQ(g.log.lines, released) << "a paused fight tells nothing";
  EXPECT_EQ(std::make_tuple(g.turnCounter, g.turnPhase), std::make_tuple(1, 1));
  logMouseDown(g);
  s.ticks(1);
  ASSERT_EQ(g.log.lines.size(), released.size() + 2);
  EXPECT_EQ(g.log.lines[released.size()], "T U R N :  1");
}

TEST(LogClick, DuringAFightStopsTheLinesAndTheNextClickGoesOnFromTheSameLine) {
  Staked paused, steady;
  paused.click("release fighters");
  steady.click("release fighters");
  paused.ticks(40);
  logMouseDown(paused.g());
  const Lines stopped = paused.g().log.lines;
  paused.ticks(100);
  EXPECT_EQ(paused.g().log.lines, stopped);
  logMouseDown(paused.g());
  paused.ticks(60);
  // The pause left no trace: the fight reads as one that never stood still.
  steady.ticks(100);
  EXPECT_GT(steady.g().log.lines.size(), stopped.size());
  EXPECT_EQ(paused.g().log.lines, steady.g().log.lines);
}

}  // namespace
}  // namespace vorlund

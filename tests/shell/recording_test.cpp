#include "shell/recording.h"

#include <gtest/gtest.h>

#include <sstream>

#include "management/zaps.h"
#include "shell/game.h"
#include "shell/pointer_input.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

Lines linesOf(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// The script less its opening: the seed, the comments and the start lines.
Lines inputsOf(const std::string& text) {
  Lines all = linesOf(text);
  return Lines(all.begin() + 8, all.end());
}

struct Recorded : test::TestGame {
  Recorded() {
    for (int s = 1; s <= kSlotCount; ++s) slot(g(), s).Coin = 1000 * s;
    slot(g(), 8).Coin = -5;
    g().betrayal = true;
    g().wheelScrollLines = 4;
    recording.onFailure = [this](const std::string& why) { failures.push_back(why); };
  }
  std::string script() const { return dir.read(kLastGameFile); }
  GameRecording recording;
  Lines failures;
};

TEST(Recording, OpensWithTheSeedAndWhatTheGameReadFromOutsideItsFolder) {
  Recorded t;
  ASSERT_TRUE(t.recording.start(t.g(), 4000000000u));
  const Lines lines = linesOf(t.script());
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "seed 4000000000");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(lines[i][0], '#') << lines[i];
  EXPECT_EQ(lines[5], "purses 1000 2000 3000 4000 5000 6000 7000 -5");
  EXPECT_EQ(lines[6], "betrayal true");
  EXPECT_EQ(lines[7], "wheel-lines 4");
}

// Every input is one sim command, after the ticks run since the one before;
// each is in the file as soon as it happened, before the game closes.
TEST(Recording, EachKindOfInputIsTheSimCommandThatDoesTheSame) {
  Recorded t;
  GameRecording& r = t.recording;
  ASSERT_TRUE(r.start(t.g(), 7));
  r.namesClick(2, 5);
  r.tick();
  r.tick();
  r.namesClick(-1, 5);
  r.namesClick(9, 5);
  EXPECT_EQ(inputsOf(t.script()), (Lines{"click #2", "tick 2", "click #5", "click #5"}))
      << "written as they happen";
  r.tick();
  r.logClick();
  r.arenaKey(38, {});
  r.arenaKey(37, {true, true, true});
  r.textWindowKey(27);
  r.press(std::nullopt, MouseButton::Left, {true, true, true});
  r.press(100268u, MouseButton::Right, {true, true, false});
  r.press(269u, MouseButton::Middle, {false, false, true});
  r.press(4294967295u, MouseButton::Left, {true, false, false});
  r.wheel(-120);
  r.release();
  r.logSaved("vorlund-log-2026-12-06-2315.txt");
  r.resize(WindowId::Them, {450, 275, 250, 150});
  r.tick();
  r.close();
  const Lines expected{"click #2",
                       "tick 2",
                       "click #5",
                       "click #5",
                       "tick 1",
                       "log-click",
                       "key 38",
                       "key 37 shift ctrl alt",
                       "text-key 27",
                       "pick none",
                       "pick 100268 right ctrl",
                       "pick 269 middle alt",
                       "pick 4294967295",
                       "wheel -120",
                       "mouse-up",
                       "save-log vorlund-log-2026-12-06-2315.txt",
                       "resize them 450 275 250 150",
                       "tick 1",
                       "close"};
  EXPECT_EQ(inputsOf(t.script()), expected);
  EXPECT_TRUE(t.failures.empty());
  r.logClick();
  EXPECT_EQ(inputsOf(t.script()), expected) << "nothing after the close";
}

// Each move sets the view afresh from the press, so only the last move
// before a tick or another input counts; its offsets read back exactly.
TEST(Recording, ADragKeepsTheLastMoveBeforeEachTickWithExactOffsets) {
  Recorded t;
  GameRecording& r = t.recording;
  ASSERT_TRUE(r.start(t.g(), 7));
  r.press(std::nullopt, MouseButton::Left, {});
  r.drag(1, 2, 691, 480);
  r.drag(-3.5, 0.1 + 0.2, 691, 480);
  r.tick();
  r.tick();
  r.drag(12, -7, 700, 490);
  EXPECT_EQ(inputsOf(t.script()), (Lines{"pick none", "drag -3.5 0.30000000000000004 691 480"}));
  r.release();
  r.close();
  EXPECT_EQ(inputsOf(t.script()), (Lines{"pick none", "drag -3.5 0.30000000000000004 691 480",
                                         "tick 2", "drag 12 -7 700 490", "mouse-up", "close"}));
}

// A game left alone for hours: no line holds more ticks than the sim runs
// for one command.
TEST(Recording, ALongWaitTakesSeveralTickLines) {
  Recorded t;
  GameRecording& r = t.recording;
  ASSERT_TRUE(r.start(t.g(), 7));
  for (std::int64_t i = 0; i < 2 * kMostTicksPerLine + 5; ++i) r.tick();
  r.logClick();
  EXPECT_EQ(inputsOf(t.script()), (Lines{"tick 1000000", "tick 1000000", "tick 5", "log-click"}));
}

TEST(Recording, KeepsTheLastGameAsThePreviousOneAndReplacesTheOneBefore) {
  Recorded t;
  t.dir.write(kLastGameFile, "seed 2\nclose\n");
  t.dir.write(kPreviousGameFile, "seed 1\nclose\n");
  ASSERT_TRUE(t.recording.start(t.g(), 3));
  EXPECT_EQ(t.dir.read(kPreviousGameFile), "seed 2\nclose\n");
  EXPECT_EQ(linesOf(t.script()).at(0), "seed 3");
}

// A last game that cannot be kept is left as it was, and this game goes
// unrecorded; the game is told why, and the inputs go nowhere.
TEST(Recording, ALastGameThatCannotBeKeptStaysAndNothingIsRecorded) {
  Recorded t;
  t.dir.write(kLastGameFile, "seed 2\nclose\n");
  fs::create_directory(t.dir.path() / kPreviousGameFile);
  t.dir.write(std::string(kPreviousGameFile) + "/inside", "x");
  EXPECT_FALSE(t.recording.start(t.g(), 3));
  EXPECT_FALSE(t.recording.recording());
  t.recording.tick();
  t.recording.logClick();
  t.recording.close();
  EXPECT_EQ(t.script(), "seed 2\nclose\n");
  ASSERT_EQ(t.failures.size(), 1u);
  EXPECT_NE(t.failures[0].find("this game is not recorded"), std::string::npos) << t.failures[0];
}

// The zap beam's flicker is drawn by the game, not by the frames: one draw
// per tick while the beam shows (after the countdown, before the paint) and
// one for the frame a press on the arena paints; none without a beam.
TEST(ZapFlicker, OneDrawPerTickAndPerPressWhileTheBeamShows) {
  test::TestGame t;
  test::installWorld(t.dir);
  Game& g = t.g();
  ASSERT_TRUE(startGame(g, 1));
  timer1Timer(g);
  t.platform->paints = 0;
  g.rng.seed = 99;
  g.zapTarget = 1;
  g.zapCountdown = 3;
  RandomGenerator expected = g.rng;
  timer1Timer(g);
  EXPECT_EQ(g.zapFlicker, expected.random(100));
  formMouseDown(g, 5, 5);
  EXPECT_EQ(g.zapFlicker, expected.random(100));
  timer1Timer(g);
  EXPECT_EQ(g.zapFlicker, expected.random(100));
  timer1Timer(g);  // the countdown reaches 0 before the paint
  timer1Timer(g);
  formMouseDown(g, 5, 5);
  EXPECT_EQ(g.rng.seed, expected.seed);
  EXPECT_EQ(t.platform->paints, 4);

  // A beam on no fighter, or with no body in view, shows nothing.
  for (auto [target, body] : {std::pair{0, 4}, std::pair{9, 4}, std::pair{2, 145}}) {
    g.zapCountdown = 5;
    g.zapTarget = target;
    g.viewedBody = body;
    EXPECT_FALSE(zapBeamShown(g)) << target << " " << body;
    formMouseDown(g, 5, 5);
    EXPECT_EQ(g.rng.seed, expected.seed);
  }
}

}  // namespace
}  // namespace vorlund

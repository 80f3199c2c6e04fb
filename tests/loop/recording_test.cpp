#include "loop/recording.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fighters/text_files.h"
#include "loop/player_input.h"
#include "loop/pointer_input.h"
#include "loop/recorded_start.h"
#include "loop/startup.h"
#include "loop/tick.h"
#include "management/zaps.h"
#include "state/game.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// The last game is kept as the previous one, which it replaces; a last game
// that cannot be kept is left as it was, and this game goes unrecorded: the
// game is told why, and the inputs go nowhere.
TEST(Recording, KeepsTheLastGameAsThePreviousOneOrRecordsNothing) {
  test::TestGame t;
  GameRecording r;
  Lines failures;
  r.onFailure = [&](const Failure& f) { failures.push_back(f.message); };
  t.dir.write(kLastGameFile, "seed 2\nclose\n");
  t.dir.write(kPreviousGameFile, "seed 1\nclose\n");
  ASSERT_TRUE(r.start(t.g(), 3, 64, {}));
  EXPECT_EQ(t.dir.read(kPreviousGameFile), "seed 2\nclose\n");
  EXPECT_EQ(t.dir.read(kLastGameFile).rfind("seed 3\n", 0), 0u);

  fs::remove(t.dir.path() / kPreviousGameFile);
  fs::create_directories(t.dir.path() / kPreviousGameFile / "inside");
  t.dir.write(kLastGameFile, "seed 2\nclose\n");
  GameRecording blocked;
  blocked.onFailure = r.onFailure;
  EXPECT_FALSE(blocked.start(t.g(), 3, 64, {}));
  EXPECT_FALSE(blocked.recording());
  blocked.tick();
  blocked.input(LogClick{});
  blocked.close();
  EXPECT_EQ(t.dir.read(kLastGameFile), "seed 2\nclose\n");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("this game is not recorded"), std::string::npos) << failures[0];
}

// A recording from elsewhere, played again, saves the Log only beside the game's files,
// never over one of them.
TEST(Recording, APlayedSaveLogNeverReplacesAGameFile) {
  test::TestGame t;
  t.dir.write(kNamesFile, "Ann\n");
  const std::optional<Failure> refused = playInput(t.g(), LogSave{kNamesFile});
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->message, std::string("Cannot create file ") + kNamesFile);
  EXPECT_EQ(t.dir.read(kNamesFile), "Ann\n");
  EXPECT_FALSE(playInput(t.g(), LogSave{"mine.txt"}).has_value());
  EXPECT_TRUE(fs::exists(t.dir.path() / "mine.txt"));
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
  g.zapTarget = 1;
  g.zapCountdown = 3;
  RandomGenerator expected = g.rng;
  timer1Timer(g);
  formMouseDown(g, 5, 5);
  timer1Timer(g);
  timer1Timer(g);  // the countdown reaches 0 before the paint
  timer1Timer(g);
  formMouseDown(g, 5, 5);
  expected.random(100);
  expected.random(100);
  EXPECT_EQ(g.zapFlicker, expected.random(100)) << "three draws, the last one shown";
  EXPECT_EQ(g.rng.seed, expected.seed);
  EXPECT_EQ(std::make_pair(t.platform->paints, g.zapCountdown), std::make_pair(4, 0))
      << "a paint a tick; the countdown goes no lower than 0";

  // A beam on no fighter, or with no body in view, shows nothing.
  for (auto [target, body] : {std::pair{0, 4}, std::pair{9, 4}, std::pair{2, 145}}) {
    g.zapCountdown = 5;
    g.zapTarget = target;
    g.viewedBody = body;
    EXPECT_FALSE(zapBeamShown(g)) << target << " " << body;
  }
  formMouseDown(g, 5, 5);
  EXPECT_EQ(g.rng.seed, expected.seed);
}

}  // namespace
}  // namespace vorlund

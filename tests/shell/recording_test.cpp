#include "shell/recording.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fighters/text_files.h"
#include "management/zaps.h"
#include "shell/game.h"
#include "shell/player_input.h"
#include "shell/pointer_input.h"
#include "shell/recorded_start.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// The recorded script less its opening (the seed, the comments, the start
// and the conditions, the pace last), one command a line.
std::string inputsOf(const test::TempDir& dir) {
  const std::string script = dir.read(kLastGameFile);
  const std::size_t pace = script.find("\npace ");
  const std::size_t at = pace == std::string::npos ? pace : script.find('\n', pace + 1);
  return at == std::string::npos ? "" : script.substr(at + 1);
}

// The script opens with the seed, the game folder as it was (here empty:
// every file missing), and what the game read from outside its folder. Every input is one sim
// command, after the ticks run since the one before; each is in the file as soon as it happened,
// before the game closes. Each drag move sets the view afresh from the press, so only the last move
// before a tick or another input counts, its offsets exact. A game left alone for hours takes
// several tick lines: no line holds more ticks than the sim runs for one command.
TEST(Recording, EachKindOfInputIsTheSimCommandThatDoesTheSame) {
  test::TestGame t;
  for (int s = 1; s <= kSlotCount; ++s) slot(t.g(), s).Coin = 1000 * s;
  slot(t.g(), 8).Coin = -5;
  t.g().betrayal = true;
  t.g().wheelScrollLines = 4;
  GameRecording r;
  Lines failures;
  r.onFailure = [&](const Failure& f) { failures.push_back(f.message); };
  ASSERT_TRUE(r.start(t.g(), 4000000000u, 96, {}));
  const std::string opening = t.dir.read(kLastGameFile);
  EXPECT_EQ(opening.rfind("seed 4000000000\n#", 0), 0u) << opening;
  std::string start;
  for (const char* name : gameFolderFiles())
    start += std::string("\nstart-file ") + name + " missing";
  EXPECT_NE(opening.find(start + "\n#"), std::string::npos) << opening;
  EXPECT_EQ(opening.substr(opening.find("\npurses")),
            "\npurses 1000 2000 3000 4000 5000 6000 7000 -5\nbetrayal true\nwheel-lines 4\n"
            "pace 96\n");
  r.input(NamesClick::at(2, 5));
  r.tick();
  r.tick();
  r.input(NamesClick::at(-1, 5));
  r.input(NamesClick::at(9, 5));
  EXPECT_EQ(inputsOf(t.dir), "click #2\ntick 2\nclick #5\nclick #5\n") << "written as they happen";
  r.tick();
  r.input(LogClick{});
  r.input(ArenaKey{38, {}});
  r.input(ArenaKey{37, {true, true, true}});
  r.input(TextKey{27});
  r.input(ArenaPress{std::nullopt, MouseButton::Left, {true, true, true}});
  r.input(ArenaPress{100268u, MouseButton::Right, {true, true, false}});
  r.input(ArenaPress{269u, MouseButton::Middle, {false, false, true}});
  r.input(ArenaPress{4294967295u, MouseButton::Left, {true, false, false}});
  r.input(WheelTurn{-120});
  r.input(MouseUp{});
  r.input(LogSave{"vorlund-log-2026-12-06-2315.txt"});
  r.input(WindowResize{WindowId::Them, {450, 275, 250, 150}});
  r.tick();
  r.input(ArenaPress{});
  r.input(ArenaDrag{1, 2, 691, 480});
  r.input(ArenaDrag{-3.5, 0.1 + 0.2, 691, 480});
  r.tick();
  r.tick();
  r.input(ArenaDrag{12, -7, 700, 490});
  r.input(MouseUp{});
  for (std::int64_t i = 0; i < 2 * kMostTicksPerLine + 5; ++i) r.tick();
  r.close();
  const std::string expected =
      "click #2\ntick 2\nclick #5\nclick #5\ntick 1\nlog-click\nkey 38\n"
      "key 37 shift ctrl alt\ntext-key 27\npick none\npick 100268 right ctrl\n"
      "pick 269 middle alt\npick 4294967295\nwheel -120\nmouse-up\n"
      "save-log vorlund-log-2026-12-06-2315.txt\nresize them 450 275 250 150\ntick 1\n"
      "pick none\ndrag -3.5 0.30000000000000004 691 480\ntick 2\ndrag 12 -7 700 490\n"
      "mouse-up\ntick 1000000\ntick 1000000\ntick 5\nclose\n";
  EXPECT_EQ(inputsOf(t.dir), expected);
  EXPECT_TRUE(failures.empty());
  // Each input's line reads back as the same input.
  for (std::size_t at = 0, end = 0; (end = expected.find('\n', at)) != std::string::npos;
       at = end + 1) {
    const std::string line = expected.substr(at, end - at);
    const ParsedInput parsed = parseInput(line);
    if (line.starts_with("tick") || line == "close") continue;
    ASSERT_TRUE(parsed.value) << line << ": " << parsed.error;
    EXPECT_EQ(inputLine(*parsed.value), line);
  }
  r.input(LogClick{});
  EXPECT_EQ(inputsOf(t.dir), expected) << "nothing after the close";
}

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

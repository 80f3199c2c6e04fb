// A first game played through the real windows as a player plays it: the
// wizard by clicks in the Names window, a gamble, a release, a pause and a
// resume in the Log, keys, a zap with a press, a drag and a wheel notch on
// the arena, fights to their end, a rest week, the farm, a close. The game
// recorded itself with the folder it started from; vorlund-sim replays the
// recording alone and must end where the game ended: the same state, the
// same Log lines, the same files. Then the game starts again in the same
// folder, brings back the purses, the farm and the graveyard, and is
// replayed alone in the same way.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "app/arena_view.h"
#include "gui_support.h"
#include "shell/recording.h"
#include "sim/sim_state.h"

namespace vorlund::app {
namespace {

using namespace test;

// One game in the current folder, its Log heard line by line as the sim
// prints it, at four times the designed pace (the recording counts ticks).
struct Played {
  explicit Played(unsigned seed) {
    app.game().log.echo = [this](const std::string* line) {
      log << (line ? "log: " + QString::fromStdString(*line) : QString("-- log cleared"));
    };
    app.setSpeed(256);
    started = startAndShow(app, seed);
  }
  void click(const std::string& text) { clickNames(app, text); }
  bool fightOver() {
    return waitFor([&] { return app.game().turnCounter == 0; }, 60000);
  }
  // Closes the game; its state as the sim's `state` prints it.
  QString close() {
    app.mainWindow()->close();
    return QString::fromStdString(sim::stateJson(app.game()));
  }
  GameApp app;
  QStringList log;
  bool started = false;
};

// The recorded script, played alone by vorlund-sim from the start it carries
// in a folder of its own, with a `state` before its close: it must end as
// the game ended, the same state, the same Log lines, the same files.
void expectSameGame(const QString& dir, const QString& state, const QStringList& log) {
  QFile::copy(kLastGameFile, dir + ".vsim");
  const SimReplay replay = replayAlone(dir + ".vsim", dir);
  EXPECT_EQ(replay.exitCode, 0) << replay.errors.toStdString();
  int at = 0;  // where the states part, shown with a little of each
  while (at < state.size() && at < replay.state.size() && state[at] == replay.state[at]) ++at;
  EXPECT_TRUE(replay.state == state)
      << "replay: ..." << replay.state.mid(at - 60, 120).toStdString() << "\ngame:   ..."
      << state.mid(at - 60, 120).toStdString();
  ASSERT_EQ(replay.log.size(), log.size()) << "Log lines of the replay and of the game";
  for (int i = 0; i < log.size(); ++i) ASSERT_EQ(replay.log[i], log[i]) << "Log line " << i;
  expectSameFiles(QDir::currentPath(), dir);
}

// What outlives a closed game: the purses (its first line), the farm and
// the graveyard.
std::string kept(const Game& g) {
  std::string text = "purses";
  for (int s = 1; s <= kSlotCount; ++s) text += " " + std::to_string(slot(g, s).Coin);
  text += "\nfarm";
  for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s)
    text += " [" + slot(g, s).Name_String.str() + "]";
  text += "\ngraves";
  for (int i = 0; i < g.graveyard.count; ++i) {
    const Grave& grave = g.graveyard.graves[i];
    text += " " + std::to_string(grave.cell) + "/" + std::to_string(grave.age) + "/" +
            std::to_string(grave.race);
  }
  return text;
}

// The wizard: the name the game offers, a human, strength 12.
void makeFighter(Played& p) {
  p.click(p.app.game().names.lines().at(static_cast<std::size_t>(p.app.game().names.selected())));
  p.click("human");
  p.click("12");
  ASSERT_EQ(p.app.game().names.state(), MenuState::Fight);
}

TEST(FirstGame, PlayedRecordedReplayedAndBroughtBackAtTheNextStart) {
  QTemporaryDir root;
  const auto path = [&](const char* name) { return root.filePath(name); };
  copyFirstGameFolder(path("game"));
  QDir::setCurrent(path("game"));

  QString state1;
  QStringList log1;
  std::string keptAtClose;
  {
    Played p(2024);
    ASSERT_TRUE(p.started);
    Game& g = p.app.game();
    QWindow* arena = p.app.mainWindow()->view()->glWindow();
    // The fighter is staked in the stands at once.
    makeFighter(p);
    p.click("release fighters");
    ASSERT_GE(g.turnCounter, 1);

    // A click in the Log stops the fight and the next goes on from there.
    runEventsFor(60);
    clickLog(p.app);
    ASSERT_FALSE(g.fightRunning);
    const std::size_t linesWhenPaused = g.log.lines().size();
    const int turnWhenPaused = g.turnCounter;
    runEventsFor(300);
    EXPECT_EQ(g.log.lines().size(), linesWhenPaused);
    EXPECT_EQ(g.turnCounter, turnWhenPaused);
    clickLog(p.app);
    EXPECT_TRUE(g.fightRunning);
    // Keys: the grid on the arena, the Log brought up from the Names window.
    QTest::keyClick(arena, Qt::Key_B);
    EXPECT_TRUE(g.gridOverlay);
    QTest::keyClick(listOf(p.app, WindowId::Names), Qt::Key_F1);
    ASSERT_TRUE(p.fightOver());
    ASSERT_EQ(g.names.state(), MenuState::BetweenFights);

    // A fighter worth keeping goes to the farm (with seed 2024 the first
    // one lives through his fight; until then the player gambles again),
    // and a new one is made from the farm menu.
    const auto alive = [&] {
      return !slot(g, 1).Name_String.str().empty() && slot(g, 1).Wounds < slot(g, 1).ST;
    };
    for (int fights = 0; fights < 6 && !alive(); ++fights) {
      p.click("gamble in the stands");
      p.click("release fighters");
      ASSERT_TRUE(p.fightOver());
    }
    ASSERT_TRUE(alive());
    const std::string farmed = slot(g, 1).Name_String.str();
    p.click("pay for breeding");
    ASSERT_EQ(g.names.state(), MenuState::Farm);
    EXPECT_EQ(slot(g, kFirstFarmSlot).Name_String.str(), farmed);
    p.click(" leave out to pasture");
    ASSERT_EQ(g.names.state(), MenuState::ChooseName);
    makeFighter(p);

    // Paused at once, the player zaps his own fighter: the beam flickers on
    // every tick, and a press on the arena while it shows paints a frame of
    // its own; then a drag and a wheel notch.
    p.click("release fighters");
    ASSERT_GE(g.turnCounter, 1);
    clickLog(p.app);
    for (int zaps = 0; zaps < 5 && g.zapCountdown <= 0; ++zaps) p.click("forfit");
    runEventsFor(100);
    const QPoint centre(arena->width() / 2, arena->height() / 2);
    QTest::mousePress(arena, Qt::LeftButton, {}, centre);
    QTest::mouseMove(arena, centre + QPoint(40, 10));
    runEventsFor(50);
    QTest::mouseMove(arena, centre + QPoint(60, -20));
    QTest::mouseRelease(arena, Qt::LeftButton, {}, centre + QPoint(60, -20));
    QWheelEvent notch(QPointF(centre), QPointF(arena->mapToGlobal(centre)), {}, {0, -120},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(arena, &notch);
    runEventsFor(100);
    clickLog(p.app);
    ASSERT_TRUE(p.fightOver());

    // A gamble in the stands, its fight, and a week of rest.
    p.click("gamble in the stands");
    p.click("release fighters");
    ASSERT_TRUE(p.fightOver());
    p.click("rest week");
    runEventsFor(100);
    state1 = p.close();
    log1 = p.log;
    keptAtClose = kept(g);
    EXPECT_GE(g.graveyard.count, 1);
  }
  const QString script1 = QString::fromUtf8(bytesOf(kLastGameFile));
  EXPECT_TRUE(script1.startsWith("seed 2024\n")) << script1.left(200).toStdString();
  for (const char* input : {"\nclick #", "\nlog-click\n", "\nkey 66\n", "\ntext-key 112\n",
                            "\npick ", "\ndrag ", "\nmouse-up\n", "\nwheel -120\n", "\ntick "})
    EXPECT_TRUE(script1.contains(input)) << "no " << input << " in the recording";
  expectSameGame(path("replay1"), state1, log1);

  // The next start in the same folder: the purses from the settings, the
  // farm and the graveyard from their files. This game is recorded anew and
  // the first kept as the previous one.
  QString state2;
  QStringList log2;
  {
    Played p(77);
    ASSERT_TRUE(p.started);
    EXPECT_EQ(kept(p.app.game()), keptAtClose);
    ASSERT_EQ(p.app.game().names.state(), MenuState::BetweenFights);
    p.click("rest week");
    runEventsFor(100);
    state2 = p.close();
    log2 = p.log;
  }
  EXPECT_EQ(bytesOf(kPreviousGameFile), script1.toUtf8());
  const QString script2 = QString::fromUtf8(bytesOf(kLastGameFile));
  const std::string pursesLine = keptAtClose.substr(0, keptAtClose.find('\n'));
  EXPECT_TRUE(script2.contains(QString::fromStdString("\n" + pursesLine + "\n")))
      << script2.left(400).toStdString();
  expectSameGame(path("replay2"), state2, log2);
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  return vorlund::app::test::runGuiTests(argc, argv, [](const QString&) {});
}

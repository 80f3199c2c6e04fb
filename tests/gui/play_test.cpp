// A first game played through the real windows as a player plays it: the
// wizard by clicks in the Names window, a gamble, a release, a pause and a
// resume in the Log, keys, a zap with a press, a drag and a wheel notch on
// the arena, fights to their end, a rest week, the farm, a close. The game
// recorded itself; vorlund-sim replays the recording on a copy of the folder
// as it was at the start and must end where the game ended: the same state,
// the same Log lines, the same files. Then the game starts again in the same
// folder and brings back the purses, the farm and the graveyard.
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
using Lines = QStringList;

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// The files the replay must write byte for byte as the game did.
const QStringList kComparedFiles{"characters.svd", "graveL.ist", "aapla2.pla", "adia2.equ",
                                 "names.txt"};

// One game in the current folder, its Log heard line by line as the sim
// prints it, at four times the designed pace (the recording counts ticks).
class Played {
 public:
  explicit Played(unsigned seed) {
    app_.game().log.echo = [this](const std::string* line) {
      log_ << (line ? "log: " + QString::fromStdString(*line) : QString("-- log cleared"));
    };
    app_.setSpeed(256);
    started_ = startAndShow(app_, seed);
  }
  bool started() const { return started_; }
  GameApp& app() { return app_; }
  Game& game() { return app_.game(); }
  const Lines& log() const { return log_; }
  QWindow* arena() { return app_.mainWindow()->view()->glWindow(); }
  void click(const std::string& text) { clickNames(app_, text); }
  void clickLog() { test::clickLog(app_); }
  bool fightOver() {
    return waitFor([&] { return game().turnCounter == 0; }, 60000);
  }
  void close() { app_.mainWindow()->close(); }

 private:
  GameApp app_;
  Lines log_;
  bool started_ = false;
};

struct Replay {
  int exitCode = -1;
  QString state;
  Lines log;
  QString errors;
};

// The recorded script, a `state` before its closing line, played by
// vorlund-sim in `dir`.
Replay replay(const QString& script, const QString& dir) {
  Lines lines = script.split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines.value(lines.size() - 1), "close");
  lines.insert(lines.size() - 1, "state");
  QProcess sim;
  sim.start(VORLUND_SIM, {"--dir", dir});
  sim.write((lines.join('\n') + '\n').toUtf8());
  sim.closeWriteChannel();
  Replay r;
  if (!sim.waitForFinished(180000)) return r;
  r.exitCode = sim.exitCode();
  r.errors = QString::fromUtf8(sim.readAllStandardError());
  for (const QString& line : QString::fromUtf8(sim.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("log: ") || line == "-- log cleared") r.log << line;
    if (line.startsWith('{')) r.state = line;
  }
  return r;
}

// Where two state lines part, with a little of each from there.
std::string firstDifference(const QString& a, const QString& b) {
  int at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  const int from = std::max(0, at - 60);
  return "replay: ..." + a.mid(from, 120).toStdString() + "\ngame:   ..." +
         b.mid(from, 120).toStdString();
}

void expectSameGame(const Replay& r, const QString& state, const Lines& log, const QString& gameDir,
                    const QString& replayDir) {
  EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
  EXPECT_TRUE(r.state == state) << firstDifference(r.state, state);
  ASSERT_EQ(r.log.size(), log.size()) << "Log lines of the replay and of the game";
  for (int i = 0; i < log.size(); ++i) ASSERT_EQ(r.log[i], log[i]) << "Log line " << i;
  for (const QString& file : kComparedFiles)
    EXPECT_TRUE(bytesOf(QDir(gameDir).filePath(file)) == bytesOf(QDir(replayDir).filePath(file)))
        << file.toStdString() << " differs";
}

std::string purses(const Game& g) {
  std::string text = "purses";
  for (int s = 1; s <= kSlotCount; ++s) text += " " + std::to_string(slot(g, s).Coin);
  return text;
}

// The fighter in the arena, alive.
bool arenaFighterAlive(const Game& g) {
  return !slot(g, 1).Name_String.str().empty() && slot(g, 1).Wounds < slot(g, 1).ST;
}

struct FirstGame : ::testing::Test {
  static void SetUpTestSuite() {
    root_ = new QTemporaryDir;
    copyFirstGameFolder(root_->filePath("game"));
  }
  static void TearDownTestSuite() { delete root_; }
  static QString path(const QString& name) { return root_->filePath(name); }
  static QTemporaryDir* root_;
};
QTemporaryDir* FirstGame::root_ = nullptr;

TEST_F(FirstGame, PlayedRecordedReplayedAndBroughtBackAtTheNextStart) {
  const QString gameDir = path("game");
  copyFiles(gameDir, path("start1"));
  QDir::setCurrent(gameDir);

  QString state1;
  Lines log1;
  std::string pursesAtClose;
  std::vector<std::string> farmAtClose;
  Graveyard gravesAtClose;
  {
    Played p(2024);
    ASSERT_TRUE(p.started());
    Game& g = p.game();

    // The wizard: the name the game offers, a human, strength 12; the
    // fighter is staked in the stands at once.
    p.click(g.names.lines.at(static_cast<std::size_t>(g.names.selected)));
    p.click("human");
    p.click("12");
    ASSERT_EQ(g.names.state, MenuState::Fight);
    p.click("release fighters");
    ASSERT_GE(g.turnCounter, 1);

    // A click in the Log stops the fight and the next goes on from there.
    runEventsFor(60);
    p.clickLog();
    ASSERT_FALSE(g.fightRunning);
    const std::size_t linesWhenPaused = g.log.lines.size();
    const int turnWhenPaused = g.turnCounter;
    runEventsFor(300);
    EXPECT_EQ(g.log.lines.size(), linesWhenPaused);
    EXPECT_EQ(g.turnCounter, turnWhenPaused);
    p.clickLog();
    EXPECT_TRUE(g.fightRunning);
    // Keys: the grid on the arena, the Log brought up from the Names window.
    QTest::keyClick(p.arena(), Qt::Key_B);
    EXPECT_TRUE(g.gridOverlay);
    QTest::keyClick(listOf(p.app(), WindowId::Names), Qt::Key_F1);
    ASSERT_TRUE(p.fightOver());
    ASSERT_EQ(g.names.state, MenuState::BetweenFights);

    // A fighter worth keeping goes to the farm (with seed 2024 the first
    // one lives through his fight; until then the player gambles again),
    // and a new one is made from the farm menu.
    for (int fights = 0; fights < 6 && !arenaFighterAlive(g); ++fights) {
      p.click("gamble in the stands");
      p.click("release fighters");
      ASSERT_TRUE(p.fightOver());
    }
    ASSERT_TRUE(arenaFighterAlive(g));
    const std::string kept = slot(g, 1).Name_String.str();
    p.click("pay for breeding");
    ASSERT_EQ(g.names.state, MenuState::Farm);
    EXPECT_EQ(slot(g, kFirstFarmSlot).Name_String.str(), kept);
    p.click(" leave out to pasture");
    ASSERT_EQ(g.names.state, MenuState::ChooseName);
    p.click(g.names.lines.at(static_cast<std::size_t>(g.names.selected)));
    p.click("human");
    p.click("12");
    ASSERT_EQ(g.names.state, MenuState::Fight);

    // Paused, the player zaps his own fighter: the beam flickers on every
    // tick, and a press on the arena while it shows paints a frame of its
    // own; then a drag and a wheel notch.
    p.click("release fighters");
    runEventsFor(50);
    if (g.turnCounter >= 1) {
      p.clickLog();
      for (int zaps = 0; zaps < 5 && g.zapCountdown <= 0; ++zaps) p.click("forfit");
      runEventsFor(100);
      const QPoint centre(p.arena()->width() / 2, p.arena()->height() / 2);
      QTest::mousePress(p.arena(), Qt::LeftButton, {}, centre);
      QTest::mouseMove(p.arena(), centre + QPoint(40, 10));
      runEventsFor(50);
      QTest::mouseMove(p.arena(), centre + QPoint(60, -20));
      QTest::mouseRelease(p.arena(), Qt::LeftButton, {}, centre + QPoint(60, -20));
      QWheelEvent notch(QPointF(centre), QPointF(p.arena()->mapToGlobal(centre)), {}, {0, -120},
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(p.arena(), &notch);
      runEventsFor(100);
      p.clickLog();
    }
    ASSERT_TRUE(p.fightOver());

    // A gamble in the stands, its fight, and a week of rest.
    p.click("gamble in the stands");
    p.click("release fighters");
    ASSERT_TRUE(p.fightOver());
    p.click("rest week");
    runEventsFor(100);
    p.close();

    state1 = QString::fromStdString(sim::stateJson(g));
    log1 = p.log();
    pursesAtClose = purses(g);
    for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s)
      farmAtClose.push_back(slot(g, s).Name_String.str());
    gravesAtClose = g.graveyard;
    EXPECT_GE(g.graveyard.count, 1);
  }
  const QString script1 = QString::fromUtf8(bytesOf(QDir(gameDir).filePath(kLastGameFile)));
  EXPECT_TRUE(script1.startsWith("seed 2024\n")) << script1.left(200).toStdString();
  for (const char* input : {"\nclick #", "\nlog-click\n", "\nkey 66\n", "\ntext-key 112\n",
                            "\npick ", "\ndrag ", "\nmouse-up\n", "\nwheel -120\n", "\ntick "})
    EXPECT_TRUE(script1.contains(input)) << "no " << input << " in the recording";

  // The replay on the folder as it was at the start.
  copyFiles(path("start1"), path("replay1"));
  expectSameGame(replay(script1, path("replay1")), state1, log1, gameDir, path("replay1"));

  // The next start in the same folder: the purses from the settings, the
  // farm and the graveyard from their files. This game is recorded anew and
  // the first kept as the previous one.
  copyFiles(gameDir, path("start2"));
  QString state2;
  Lines log2;
  {
    Played p(77);
    ASSERT_TRUE(p.started());
    Game& g = p.game();
    EXPECT_EQ(purses(g), pursesAtClose);
    for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s)
      EXPECT_EQ(slot(g, s).Name_String.str(), farmAtClose[s - kFirstFarmSlot]) << "farm slot " << s;
    ASSERT_EQ(g.graveyard.count, gravesAtClose.count);
    for (int i = 0; i < g.graveyard.count; ++i) {
      EXPECT_EQ(g.graveyard.graves[i].cell, gravesAtClose.graves[i].cell) << "grave " << i;
      EXPECT_EQ(g.graveyard.graves[i].age, gravesAtClose.graves[i].age) << "grave " << i;
      EXPECT_EQ(g.graveyard.graves[i].race, gravesAtClose.graves[i].race) << "grave " << i;
    }
    ASSERT_EQ(g.names.state, MenuState::BetweenFights);
    p.click("rest week");
    runEventsFor(100);
    p.close();
    state2 = QString::fromStdString(sim::stateJson(g));
    log2 = p.log();
  }
  EXPECT_EQ(bytesOf(QDir(gameDir).filePath(kPreviousGameFile)), script1.toUtf8());
  const QString script2 = QString::fromUtf8(bytesOf(QDir(gameDir).filePath(kLastGameFile)));
  EXPECT_TRUE(script2.contains(QString::fromStdString("\n" + pursesAtClose + "\n")))
      << script2.left(400).toStdString();
  copyFiles(path("start2"), path("replay2"));
  expectSameGame(replay(script2, path("replay2")), state2, log2, gameDir, path("replay2"));
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  return vorlund::app::test::runGuiTests(argc, argv, [](const QString&) {});
}

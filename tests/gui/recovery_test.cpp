// A game killed in the middle goes on at the next start, and a recording is
// watched in the windows without touching the player's folder or settings.
//
// The killed game is this program started again as a child (--killed-game
// DIR): it plays through the windows (a name taken, keys on the arena, a
// fight released), says it is ready, and waits for SIGKILL.
#include <gtest/gtest.h>
#include <signal.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "app/arena_view.h"
#include "app/replay_mode.h"
#include "gui_support.h"
#include "loop/memory_settings_store.h"
#include "loop/recording.h"
#include "sim/sim_state.h"

namespace vorlund::app {
namespace {

using namespace test;

constexpr unsigned kSeed = 2024;

// The killed game: the wizard, the grid and the cursor on the arena, a
// release; the fight is under way when it is killed.
int playUntilKilled(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QDir::setCurrent(argv[2]);
  GameApp app;
  app.setSpeed(256);
  if (!startAndShow(app, kSeed)) return 1;
  Game& g = app.game();
  clickNames(app, g.names.lines().at(static_cast<std::size_t>(g.names.selected())));
  clickNames(app, "human");
  clickNames(app, "12");
  QWindow* arena = app.mainWindow()->view()->glWindow();
  QTest::keyClick(arena, Qt::Key_B);
  QTest::keyClick(arena, Qt::Key_Up);
  clickNames(app, "release fighters");
  runEventsFor(150);
  clickLog(app);  // paused: the fight stands where the kill finds it
  writeFile("ready", {});
  for (;;) runEventsFor(1000);
}

// A game in the current folder, its Log heard line by line as the sim
// prints it.
struct Heard {
  Heard() {
    app.game().log.echo = [this](const std::string* line) {
      log << (line ? "log: " + QString::fromStdString(*line) : QString("-- log cleared"));
    };
  }
  GameApp app;
  QStringList log;
};

// Every file below `dir` with its bytes' digest and its time of change, one
// a line.
std::string snapshot(const QString& dir) {
  QStringList files;
  QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    const QByteArray digest =
        QCryptographicHash::hash(bytesOf(info.filePath()), QCryptographicHash::Sha256).toHex();
    files << QDir(dir).relativeFilePath(info.filePath()) + " " + digest.left(16) + " " +
                 QString::number(info.lastModified().toMSecsSinceEpoch());
  }
  files.sort();
  return files.join('\n').toStdString() + "\n";
}

// Killed, the game loses no input: the next start plays its recording again
// from the start it carries and goes on from its last input. The folder then
// holds what the killed game's recording, played alone and closed, holds;
// and the recovered game's own recording, played alone, ends there too.
TEST(Recovery, AKilledGameGoesOnFromItsLastInputAtTheNextStart) {
  QTemporaryDir root;
  const QString game = root.filePath("game");
  copyFirstGameFolder(game);
  QProcess killed;
  killed.start(QCoreApplication::applicationFilePath(), {"--killed-game", game});
  ASSERT_TRUE(waitFor([&] { return QFile::exists(game + "/ready"); }, 120000));
  ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
  ASSERT_TRUE(killed.waitForFinished(10000));
  QFile::remove(game + "/ready");
  const QString killedScript = root.filePath("killed.vsim");
  QFile::copy(game + "/" + kLastGameFile, killedScript);
  const QString script = QString::fromUtf8(bytesOf(killedScript));
  ASSERT_FALSE(script.endsWith("close\n"));
  for (const char* input : {"\nclick #", "\nkey 66\n", "\nkey 38\n", "\nlog-click\n"})
    ASSERT_TRUE(script.contains(input)) << "no " << input << " in the killed game's recording";
  const int inputs = static_cast<int>(script.count("\nclick #") + 3);

  QString state;
  QStringList log;
  {
    QDir::setCurrent(game);
    Heard next;
    ASSERT_TRUE(next.app.start(77));
    const Game& g = next.app.game();
    EXPECT_GE(g.turnCounter, 1) << "the fight goes on";
    EXPECT_EQ(QString::fromStdString(g.log.lines().back()),
              QString("The last game did not close: it goes on from its last input, %1 inputs "
                      "played again")
                  .arg(inputs));
    // Closed before its first tick: nothing but the recovery in between.
    next.app.mainWindow()->close();
    state = QString::fromStdString(sim::stateJson(g));
    log = next.log;
  }
  const QString recovered = QString::fromUtf8(bytesOf(game + "/" + kLastGameFile));
  EXPECT_TRUE(recovered.startsWith(script)) << "the recording goes on in the same file";
  EXPECT_TRUE(recovered.endsWith("\nclose\n"));

  const SimReplay alone = replayAlone(killedScript, root.filePath("alone"), "state\nclose\n");
  EXPECT_EQ(alone.exitCode, 0) << alone.errors.toStdString();
  EXPECT_EQ(alone.state, state);
  ASSERT_FALSE(log.isEmpty());
  EXPECT_EQ(alone.log, log.mid(0, log.size() - 1)) << "all but the recovery's own line";
  expectSameFiles(game, root.filePath("alone"));

  QFile::copy(game + "/" + kLastGameFile, root.filePath("recovered.vsim"));
  const SimReplay again = replayAlone(root.filePath("recovered.vsim"), root.filePath("again"));
  EXPECT_EQ(again.exitCode, 0) << again.errors.toStdString();
  EXPECT_EQ(again.state, state);
  EXPECT_EQ(again.log, log);
  expectSameFiles(game, root.filePath("again"));

  // Watched in the windows by the installed program, a recording touches
  // neither the player's game folder nor his settings, and leaves no folder
  // of its own behind.
  QTemporaryDir home;
  const QString folder = home.filePath(".local/share/vorlund");
  copyFiles(game, folder);
  copyFiles(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Vorlund"),
            home.filePath(".config/Vorlund"));
  QDir().mkpath(home.filePath("tmp"));
  const QString settings = home.filePath(".config/Vorlund");
  const std::string before = snapshot(folder) + snapshot(settings);
  QProcess watch;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", home.path());
  env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
  env.insert("XDG_DATA_HOME", home.filePath(".local/share"));
  env.insert("TMPDIR", home.filePath("tmp"));
  watch.setProcessEnvironment(env);
  watch.setWorkingDirectory(folder);
  watch.start(VORLUND_BIN, {"--replay", root.filePath("recovered.vsim"), "--speed", "256"});
  const auto titles = [] { return output("wmctrl", {"-l"}); };
  ASSERT_TRUE(waitFor([&] { return titles().contains("Log (replay over)"); }, 60000))
      << titles().toStdString();
  EXPECT_TRUE(titles().contains("Vorlund (replay over)")) << titles().toStdString();
  QProcess::execute("wmctrl", {"-c", "Vorlund (replay over)"});
  ASSERT_TRUE(watch.waitForFinished(20000));
  EXPECT_EQ(watch.exitCode(), 0) << watch.readAllStandardError().toStdString();
  EXPECT_EQ(snapshot(folder) + snapshot(settings), before);
  EXPECT_EQ(QDir(home.filePath("tmp")).entryList({"vorlund*"}, QDir::AllEntries), QStringList())
      << "the replay's own folder is gone";
}

// A click in the Log pauses the replay and the next resumes it; at its end
// the windows stay, and say so.
TEST(Replay, ALogClickPausesAndResumesItAndTheWindowsStayAtItsEnd) {
  QTemporaryDir root;
  copyFirstGameFolder(root.filePath("game"));
  QDir::setCurrent(root.filePath("game"));
  {
    GameApp played;
    ASSERT_TRUE(startAndShow(played, kSeed));
    runEventsFor(300);
    clickLog(played);
    runEventsFor(300);
    played.mainWindow()->close();
  }
  auto recording = std::make_unique<RecordedGame>();
  ASSERT_FALSE(prepareReplay(kLastGameFile, root.filePath("watched").toStdString(), *recording));
  QDir::setCurrent(root.filePath("watched"));
  GameApp watched(std::make_unique<MemorySettingsStore>());
  watched.setSpeed(64);
  watched.setReplay(std::move(recording));
  ASSERT_TRUE(watched.start(kSeed));
  ASSERT_TRUE(waitFor([&] { return watched.game().startupCountdown == -1; }));
  EXPECT_TRUE(watched.mainWindow()->windowTitle().endsWith(" (replay)"));
  clickLog(watched);
  EXPECT_TRUE(watched.replayPaused());
  EXPECT_TRUE(watched.window(WindowId::Log)->windowTitle().endsWith(" (replay, paused)"));
  EXPECT_TRUE(watched.game().fightRunning) << "the game's own pause is untouched";
  const long double earth = watched.game().solar.bodies[3].position.x;
  runEventsFor(200);
  EXPECT_EQ(watched.game().solar.bodies[3].position.x, earth) << "paused, nothing moves";
  clickLog(watched);
  ASSERT_TRUE(waitFor([&] { return watched.replayOver(); }, 20000));
  EXPECT_FALSE(watched.game().fightRunning) << "the recorded click in the Log was played";
  EXPECT_TRUE(watched.mainWindow()->isVisible());
  EXPECT_TRUE(watched.window(WindowId::Names)->windowTitle().endsWith(" (replay over)"));
  watched.mainWindow()->close();
}

// A last game whose recording is damaged (its start cut short, garbage) is
// set aside with a line in the Log, and the game starts as a new one. (How
// each damage is found and named, a wrong CRC-32 among them, the recorded
// start's unit tests and scenario.replay_damaged check.)
TEST(Recovery, ADamagedLastGameIsSetAsideAndNeverStopsTheStart) {
  QTemporaryDir root;
  const QString game = root.filePath("game");
  copyFirstGameFolder(game);
  QDir::setCurrent(game);
  {
    GameApp first;
    ASSERT_TRUE(startAndShow(first, kSeed));
    clickNames(first, first.game().names.lines().at(0));
    first.mainWindow()->close();
  }
  QString sound = QString::fromUtf8(bytesOf(kLastGameFile));
  sound.chop(QString("close\n").size());  // as a kill leaves it
  const int firstData = sound.indexOf("\nstart-data ");
  QString cut = sound;
  cut.remove(firstData, sound.indexOf('\n', firstData + 1) - firstData);
  const struct {
    const char* what;
    QByteArray bytes;
  } damaged[] = {
      {"cut", cut.toUtf8()},
      {"garbage", QByteArray("\x7f"
                             "ELF\x02\x01\x01\n\0\0\0\n",
                             12)},
  };
  for (const auto& d : damaged) {
    ASSERT_TRUE(writeFile(kLastGameFile, d.bytes));
    {
      Heard next;
      ASSERT_TRUE(startAndShow(next.app, kSeed)) << d.what;
      EXPECT_EQ(next.app.game().names.state(), MenuState::ChooseName) << d.what;
      EXPECT_TRUE(next.log.filter("cannot be played again").size() == 1)
          << d.what << ": " << next.log.join('\n').toStdString();
      next.app.mainWindow()->close();
    }
    EXPECT_TRUE(bytesOf(QString(kLastGameFile) + ".bak") == d.bytes) << d.what;
    QFile::remove(QString(kLastGameFile) + ".bak");
  }
  // A game that cannot be recorded says so in the Log, and plays on.
  QFile::remove(kPreviousGameFile);
  QDir().mkpath(QString(kPreviousGameFile) + "/in the way");
  Heard unrecorded;
  ASSERT_TRUE(startAndShow(unrecorded.app, kSeed));
  EXPECT_TRUE(
      unrecorded.log.contains("log: Cannot keep last-game.vsim as previous-game.vsim: this game "
                              "is not recorded"))
      << unrecorded.log.join('\n').toStdString();
  unrecorded.app.mainWindow()->close();
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--killed-game")
    return vorlund::app::playUntilKilled(argc, argv);
  return vorlund::app::test::runGuiTests(argc, argv, [](const QString&) {});
}

// What a player may use and may ignore, through the real windows: the Log
// saved with Ctrl+S, the odds shown over the Names list before a release, and
// the pace of the clock chosen on the command line or in the settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cstdlib>
#include <functional>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "app/odds_tooltip.h"
#include "app/text_windows.h"
#include "combat/fight_odds.h"
#include "management/between_fights.h"
#include "panels/log_file.h"
#include "settings/qt_settings_store.h"

namespace vorlund::app {
namespace {

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool waitFor(const std::function<bool()>& done, int ms = 10000) {
  for (int waited = 0; waited < ms; waited += 10) {
    if (done()) return true;
    runEventsFor(10);
  }
  return done();
}

QListWidget* listOf(GameApp& app, WindowId w) {
  return static_cast<ListWindow*>(app.window(w))->list();
}

void clickLine(GameApp& app, int row) {
  QListWidget* names = listOf(app, WindowId::Names);
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                    names->visualItemRect(names->item(row)).center());
}

// Every game starts as a first one: the names of the wizard, no farm, no graves.
void freshGameFolder() {
  QFile names("names.txt");
  if (names.open(QIODevice::WriteOnly | QIODevice::Truncate))
    names.write("Ash\nBirch\nCedar\nDun\nElm\nFir\n");
  for (const char* file : {"characters.svd", "graveL.ist"}) QFile::remove(file);
}

// A started game whose first tick has shown the text windows.
struct Started {
  explicit Started(unsigned seed = 1, std::optional<int> speed = std::nullopt) {
    freshGameFolder();
    if (speed) app.setSpeed(*speed);
    // Up, and framed by the window manager, so that points on the screen are
    // where the player sees them.
    ok = app.start(seed) && waitFor([&] {
           if (app.game().startupCountdown > -1) return false;
           const QWidget* names = app.window(WindowId::Names);
           return names->frameGeometry().top() < names->geometry().top();
         });
    runEventsFor(100);
  }
  // The wizard by clicks: the first name, the race offered, a strength; the
  // match with the generated guest is then set up and waits for its release.
  void makeFighterAndMatch() {
    clickLine(app, 0);
    clickLine(app, 0);
    clickLine(app, 0);
  }
  GameApp app;
  bool ok = false;
};

QStringList items(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

TEST(LogFile, CtrlSSavesTheLinesTheLogShowsAndNothingElseChanges) {
  Started s(3, 256);
  ASSERT_TRUE(s.ok);
  GameApp& app = s.app;
  QTemporaryDir saves;
  QString offered;
  std::vector<std::string> linesAtSave;
  QStringList shownAtSave;
  int asked = 0;
  QString answer;
  app.setLogFileChooser([&](const QString& o) {
    ++asked;
    offered = o;
    linesAtSave = app.game().log.lines;
    shownAtSave = items(listOf(app, WindowId::Log));
    return answer;
  });

  s.makeFighterAndMatch();
  clickLine(app, static_cast<int>(app.game().names.lines.size()) - 1);  // "release fighters"
  ASSERT_GE(app.game().turnCounter, 1);
  ASSERT_TRUE(waitFor([&] { return app.game().log.lines.size() > 30; }));

  QListWidget* log = listOf(app, WindowId::Log);
  const bool running = app.game().fightRunning;
  answer = saves.filePath("fight.txt");
  QTest::keyClick(log, Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(asked, 1);
  EXPECT_EQ(app.game().fightRunning, running) << "Ctrl+S is no click in the Log";

  // The dialog offers a name with the date and time in the game folder.
  EXPECT_EQ(QFileInfo(offered).absolutePath(), QDir::current().absolutePath());
  EXPECT_TRUE(QRegularExpression(R"(^vorlund-log-\d{4}-\d\d-\d\d-\d{4}\.txt$)")
                  .match(QFileInfo(offered).fileName())
                  .hasMatch())
      << offered.toStdString();

  // The file holds exactly the Log's lines, as the window showed them.
  QFile saved(answer);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  EXPECT_EQ(bytes.toStdString(), logFileText(linesAtSave));
  EXPECT_EQ(QString::fromUtf8(bytes), shownAtSave.join('\n') + '\n');
  EXPECT_GT(shownAtSave.size(), 30);

  // A dialog closed without a name writes nothing; a plain S, and Ctrl+S in
  // another window, ask for nothing.
  answer.clear();
  QTest::keyClick(log, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(QDir(saves.path()).entryList(QDir::Files), QStringList{"fight.txt"});
  QTest::keyClick(log, Qt::Key_S);
  QTest::keyClick(listOf(app, WindowId::Names), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(app.game().fightRunning, running);
  app.mainWindow()->close();
}

// The three numbers of the tooltip, which must add up to 100.
int percentSum(const QString& text) {
  const auto m = QRegularExpression(
                     QString(R"(^(.+) (\d+)% \x{00B7} (.+) (\d+)% \x{00B7} unfinished (\d+)%$)"))
                     .match(text);
  if (!m.hasMatch()) return -1;
  return m.captured(2).toInt() + m.captured(4).toInt() + m.captured(5).toInt();
}

TEST(OddsTooltip, HoveringTheMatchShowsTheOddsCountedAsideWithinASecond) {
  Started s(11);
  ASSERT_TRUE(s.ok);
  GameApp& app = s.app;
  QListWidget* names = listOf(app, WindowId::Names);
  EXPECT_TRUE(app.odds().text().isEmpty()) << "no match yet";

  QElapsedTimer sinceSetUp;
  s.makeFighterAndMatch();
  sinceSetUp.start();
  Game& g = app.game();
  const std::uint32_t seed = g.rng.seed;
  ASSERT_TRUE(awaitingRelease(g));
  // The player rests the mouse on the wager lines.
  const QPoint over =
      names->viewport()->mapToGlobal(names->visualItemRect(names->item(1)).center());
  QProcess::execute("xdotool", {"mousemove", QString::number(over.x()), QString::number(over.y())});
  ASSERT_TRUE(waitFor([&] { return app.odds().counted(); }));
  const qint64 countedMs = sinceSetUp.elapsed();
  ASSERT_TRUE(waitFor([&] {
    return QToolTip::isVisible() && QToolTip::text() == app.odds().text();
  })) << QToolTip::text().toStdString();
  const qint64 shownMs = sinceSetUp.elapsed();
  std::printf("odds of 1000 fights counted %lld ms after the set-up, shown at %lld ms\n",
              static_cast<long long>(countedMs), static_cast<long long>(shownMs));

  if (const char* shot = std::getenv("VORLUND_GUI_SHOT")) {
    runEventsFor(300);  // drawn
    QProcess::execute("import", {"-window", "root", QString(shot) + "-odds.png"});
  }
  const QString text = QToolTip::text();
  EXPECT_EQ(percentSum(text), 100) << text.toStdString();
  EXPECT_TRUE(text.startsWith(QString::fromStdString(slot(g, 1).Name_String.str()) + " "));
  // The game's own dice were not touched, and the same count made here, the
  // way vorlund-sim's odds makes it, says the same.
  EXPECT_EQ(g.rng.seed, seed);
  const OddsSetup setup = takeOddsSetup(g);
  EXPECT_EQ(text.toStdString(), oddsSummary(setup, fightOdds(g, OddsTooltip::kFights)));
  EXPECT_EQ(g.rng.seed, seed);

  // Released, the match has no odds to show any more.
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                    names->visualItemRect(names->item(names->count() - 1)).center());
  ASSERT_GE(g.turnCounter, 1);
  EXPECT_TRUE(app.odds().text().isEmpty());
  app.mainWindow()->close();
}

// A match set up anew while the odds of the one before are still counted:
// only the new match's odds are ever shown.
TEST(OddsTooltip, ANewSetUpLeavesTheOldCountUnshown) {
  Started s(11);
  ASSERT_TRUE(s.ok);
  GameApp& app = s.app;
  QSignalSpy known(&app.odds(), &OddsTooltip::oddsKnown);
  QProcess::execute("xdotool", {"mousemove", "1279", "1023"});  // out of the way
  runEventsFor(100);
  s.makeFighterAndMatch();
  Game& g = app.game();
  ASSERT_TRUE(awaitingRelease(g));
  const qsizetype before = known.count();
  slot(g, 2).Name_String = "Zed";
  slot(g, 2).ST += 4;
  g.names.lines[2] = "Zed$1";
  ++g.names.revision;
  app.sync();
  // Asked before the count is done, the tooltip says that it goes on; the
  // odds replace the note when they come.
  QListWidget* names = listOf(app, WindowId::Names);
  const QPoint over = names->viewport()->mapToGlobal(QPoint(5, 5));
  app.odds().showAt(over, names->viewport());
  EXPECT_EQ(QToolTip::text(), OddsTooltip::countingText());
  ASSERT_TRUE(waitFor([&] { return app.odds().counted(); }));
  EXPECT_TRUE(waitFor([&] { return QToolTip::text() == app.odds().text(); }))
      << QToolTip::text().toStdString();
  runEventsFor(300);
  ASSERT_EQ(known.count(), before + 1);
  const QString shown = known.last().at(0).toString();
  EXPECT_TRUE(shown.contains(QString(" ") + QChar(0x00B7) + " Zed ")) << shown.toStdString();
  EXPECT_EQ(shown, app.odds().text());
  app.mainWindow()->close();
}

QString settingsKey(const QString& ident) {
  return settingsKeyPath(QCoreApplication::applicationDirPath().toStdString()) + "/MainForm/" +
         ident;
}

TEST(Pace, CommandLineForThisRunStoredSpeedOtherwise) {
  QSettings stored(QSettings::IniFormat, QSettings::UserScope, "Vorlund", "Vorlund");
  const struct {
    QVariant storedSpeed;  // invalid: none
    std::optional<int> commandLine;
    int pace;
  } cases[] = {
      {{}, std::nullopt, 64},
      {QVariant(16), std::nullopt, 16},
      {QVariant(1000), std::nullopt, 64},
      {QVariant("slow"), std::nullopt, 64},
      {QVariant(16), 128, 128},
  };
  for (const auto& c : cases) {
    if (c.storedSpeed.isValid())
      stored.setValue(settingsKey("Speed"), c.storedSpeed);
    else
      stored.remove(settingsKey("Speed"));
    stored.sync();
    {
      Started s(1, c.commandLine);
      ASSERT_TRUE(s.ok);
      EXPECT_EQ(s.app.ticksPerSecond(), c.pace) << c.storedSpeed.toString().toStdString();
      s.app.mainWindow()->close();
    }
    stored.sync();
    // The game never writes the pace: what the player keeps stays as it was.
    EXPECT_EQ(stored.value(settingsKey("Speed")).toString(), c.storedSpeed.toString());
  }
  stored.remove(settingsKey("Speed"));
}

TEST(Pace, SpeedOutOfRangeIsRefusedBeforeAnyWindow) {
  const struct {
    QStringList args;
    QString message;
  } cases[] = {
      {{"--speed", "300"},
       "vorlund: --speed takes a whole number of ticks per second from 8 to 256 (64 is the "
       "designed pace), not \"300\"\n"},
      {{"--speed=4"},
       "vorlund: --speed takes a whole number of ticks per second from 8 to 256 (64 is the "
       "designed pace), not \"4\"\n"},
      {{"--speed"},
       "vorlund: --speed needs a whole number of ticks per second from 8 to 256 (64 is the "
       "designed pace)\n"},
  };
  for (const auto& c : cases) {
    QProcess p;
    p.start(VORLUND_BIN, c.args);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 2);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(err.startsWith(c.message)) << err.toStdString();
    EXPECT_TRUE(err.contains("Usage: vorlund")) << err.toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
  }
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  // Never touch a real player's settings or game folder.
  QTemporaryDir config;
  QTemporaryDir gameDir;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QDir::setCurrent(gameDir.path());
  const QDir built(VORLUND_GAME_DIR);
  for (const char* file : {"aorb1.orb", "atri1.tri", "risks.txt"})
    QFile::copy(built.filePath(file), gameDir.filePath(file));
  for (const QString& texture : built.entryList({"Fig13*.bmp"}, QDir::Files))
    QFile::copy(built.filePath(texture), gameDir.filePath(texture));
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

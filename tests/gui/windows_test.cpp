// The five windows of one started game under a real window manager, as a
// player sees them; each test is named after what it catches.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>

#include "app/message_boxes.h"
#include "app/odds_tooltip.h"
#include "app/text_windows.h"
#include "combat/fight_odds.h"
#include "gui_support.h"
#include "management/between_fights.h"
#include "panels/designed_bounds.h"
#include "panels/sheet.h"
#include "panels/tiling.h"
#include "settings/qt_settings_store.h"

// Rectangles in failure messages as x,y widthxheight.
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace vorlund::app {
namespace {

using namespace test;

// A window as the window manager sees it: the outer rectangle (the client
// window and the frame round it), the frame, and the titles it received.
struct WmWindow {
  QRect outer;
  QMargins frame;
  QString netWmName, wmName;
};

WmWindow wmView(const QWidget* w) {
  const QString id = QString::number(w->winId());
  const auto at = QRegularExpression(R"(Absolute upper-left X:\s+(-?\d+)\s+Absolute upper-left )"
                                     R"(Y:\s+(-?\d+)[\s\S]*Width:\s+(\d+)\s+Height:\s+(\d+))")
                      .match(output("xwininfo", {"-id", id}));
  const QString props =
      output("xprop", {"-id", id, "_NET_FRAME_EXTENTS", "_NET_WM_NAME", "WM_NAME"});
  const auto e =
      QRegularExpression(R"(_NET_FRAME_EXTENTS\(CARDINAL\) = (\d+), (\d+), (\d+), (\d+))")
          .match(props);
  const auto n = [&](const auto& match, int i) { return match.captured(i).toInt(); };
  const QMargins frame(n(e, 1), n(e, 3), n(e, 2), n(e, 4));
  return {
      QRect(n(at, 1), n(at, 2), n(at, 3), n(at, 4)) + frame, frame,
      QRegularExpression(R"re(_NET_WM_NAME\(UTF8_STRING\) = "(.*)")re").match(props).captured(1),
      QRegularExpression(R"re(WM_NAME\(\w+\) = "(.*)")re").match(props).captured(1)};
}

QRect rectOf(const WindowBounds& b) {
  return {b.left, b.top, b.width, b.height};
}

QString storedKey(const QString& ident) {
  return settingsKeyPath(QCoreApplication::applicationDirPath().toStdString()) + "/MainForm/" +
         ident;
}

QString stored(const QString& ident) {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "Vorlund", "Vorlund")
      .value(storedKey(ident))
      .toString();
}

// One first game, started once in its five windows and shared by the tests
// below in their order: six names, no farm, no graves, of the settings only a
// stored pace of 128 ticks a second, and a pace of 256 on the command line.
class Windows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFile::remove(QString::fromStdString(QtSettingsStore::userFile().string()));
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Vorlund", "Vorlund")
        .setValue(storedKey("Speed"), 128);
    for (const QString& file : kPlayedFiles) QFile::remove(file);
    ASSERT_TRUE(writeFile("names.txt", "Ash\nBirch\nCedar\nDun\nElm\nFir\n"));
    app_ = new GameApp;
    app_->setSpeed(256);
    // Framed by the window manager, so that points on the screen are where
    // the player sees them.
    started_ = startAndShow(*app_, 11) && waitFor([] {
                 const QWidget* w = app_->window(WindowId::Names);
                 return w->frameGeometry().top() < w->geometry().top();
               });
  }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(started_) << "the game did not start"; }
  GameApp& app() { return *app_; }
  Game& g() { return app_->game(); }
  static inline GameApp* app_ = nullptr;
  static inline bool started_ = false;
};

constexpr WindowId kAll[] = {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names,
                             WindowId::Log};

// A window's designed caption.
const char* windowName(WindowId w) {
  static const char* const names[] = {"Vorlund", "Us", "Them", "Names", "Log"};
  return names[static_cast<int>(w)];
}

TEST_F(Windows, EveryWindowReachesItsTiledOuterBoundsWithItsCaption) {
  const WindowBounds main = designedBounds(WindowId::Main);
  std::map<WindowId, QRect> expected{{WindowId::Main, rectOf(main)}};
  for (const auto& [w, b] : textWindowLayout(main, false)) expected[w] = rectOf(b);
  EXPECT_TRUE(waitFor([&] {
    for (WindowId w : kAll)
      if (wmView(app().window(w)).outer != expected.at(w)) return false;
    return true;
  })) << "the windows did not reach their outer bounds";
  for (WindowId w : kAll) {
    const WmWindow v = wmView(app().window(w));
    const char* caption = windowName(w);
    EXPECT_TRUE(app().window(w)->isVisible()) << caption;
    EXPECT_EQ(v.outer, expected.at(w)) << caption;
    EXPECT_EQ(v.netWmName, caption);
    EXPECT_EQ(v.wmName, caption);
    EXPECT_EQ(rectOf(app().bounds(w)), expected.at(w)) << caption << " as the game reads it";
  }
  // The Log reaches 4 pixels into the "Us" sheet, and no further: its title
  // bar is inside its height.
  const QRect log = wmView(app().window(WindowId::Log)).outer;
  EXPECT_EQ(log.y() + log.height() - wmView(app().window(WindowId::Us)).outer.y(), 4);
}

TEST_F(Windows, AUtf8NameReadsTheSameOnTheSheetAndInTheTitleBar) {
  auto* sheet = static_cast<TextWindow*>(app().window(WindowId::Us))->control();
  g().characters[0].Name_String = "Zo\u00eb";
  refreshSheets(g());
  app().sync();
  EXPECT_EQ(static_cast<QTextEdit*>(sheet)->document()->firstBlock().text(),
            "NAME Zo\u00eb" + QString(43, ' ') + "|");
  EXPECT_TRUE(waitFor([&] {
    return wmView(app().window(WindowId::Us)).netWmName == "Zo\u00eb  $1375000";
  })) << wmView(app().window(WindowId::Us)).netWmName.toStdString();
}

// The player makes "Us" reach down to 600 and across to 235 (outer edges):
// the others are tiled from that, "Them" to 275, 450, 250 x 150.
TEST_F(Windows, ResizingUsTilesTheOthersFromIt) {
  const WmWindow us = wmView(app().window(WindowId::Us));
  output("xdotool", {"windowsize", QString::number(app().window(WindowId::Us)->winId()),
                     QString::number(235 - us.outer.x() - us.frame.left() - us.frame.right()),
                     QString::number(600 - us.outer.y() - us.frame.top() - us.frame.bottom())});
  const QRect them(275, 450, 250, 150);
  waitFor([&] { return wmView(app().window(WindowId::Them)).outer == them; });
  EXPECT_EQ(wmView(app().window(WindowId::Them)).outer, them);
  EXPECT_EQ(wmView(app().window(WindowId::Us)).outer,
            QRect(0, us.outer.y(), 235, 600 - us.outer.y()));
}

// Without a sound device the game is silent, and the keys still reach it.
TEST_F(Windows, EscPausesAndResumesTheTuneFromEveryTextWindowAndTheArena) {
  ASSERT_TRUE(g().musicOn);
  const bool sound = app().musicLoaded() && waitFor([&] { return app().musicPlaying(); }, 3000);
  if (!sound) std::puts("no sound output here: checked the keys only");
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log}) {
    for (QWidget* target : {static_cast<TextWindow*>(app().window(w))->control(),
                            static_cast<QWidget*>(app().mainWindow())}) {
      const bool wasOn = g().musicOn;
      QTest::keyClick(target, Qt::Key_Escape);
      EXPECT_EQ(g().musicOn, !wasOn) << windowName(w);
      if (sound) {
        EXPECT_TRUE(waitFor([&] { return app().musicPlaying() == !wasOn; }, 2000));
      }
    }
  }
}

// A press on a name takes it and moves the wizard on to the races; a press
// below the last line acts on nothing and leaves nothing selected.
TEST_F(Windows, ANamePressMovesTheWizardOnAndAPressBelowTheLinesSelectsNothing) {
  QListWidget* names = listOf(app(), WindowId::Names);
  clickNamesRow(app(), 1);
  EXPECT_EQ(g().us.lines()[0].substr(5, 5), "Birch");
  EXPECT_EQ(names->count(), 1) << "the races list (no races.txt: a human is offered)";
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                    QPoint(10, names->viewport()->height() - 3));
  EXPECT_EQ(g().names.state(), MenuState::ChooseRace);
  EXPECT_EQ(g().names.selected(), -1);
  EXPECT_TRUE(names->selectedItems().isEmpty());
}

QStringList items(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

// A match set up anew while the odds of the one before are still counted:
// only the new match's odds are ever shown, counted aside, and shown when the
// player rests the mouse on the Names list; released, it has none. (How they
// are counted, rounded and worded, the odds' unit tests and the sim's odds
// check.)
TEST_F(Windows, OnlyTheNewestMatchsOddsShowOnHoveringAndNoneOnceReleased) {
  GameApp& app = this->app();
  QSignalSpy known(&app.odds(), &OddsTooltip::oddsKnown);
  QProcess::execute("xdotool", {"mousemove", "1279", "1023"});  // out of the way
  runEventsFor(100);
  for (int i = 0; i < 2; ++i) clickNamesRow(app, 0);  // the race, strength 8
  Game& g = app.game();
  ASSERT_TRUE(awaitingRelease(g));
  const qsizetype before = known.count();
  slot(g, 2).Name_String = "Zed";
  slot(g, 2).ST += 4;
  std::vector<std::string> wagers = g.names.lines();
  wagers[2] = "Zed$1";
  namesReplace(g.names, wagers);
  app.sync();
  const std::uint32_t seed = g.rng.seed;
  ASSERT_TRUE(waitFor([&] { return app.odds().counted(); }));
  runEventsFor(300);
  ASSERT_EQ(known.count(), before + 1);
  EXPECT_TRUE(app.odds().text().contains(QString(" ") + QChar(0x00B7) + " Zed "));

  // The player rests the mouse on the wager lines.
  QListWidget* names = listOf(app, WindowId::Names);
  const QPoint over =
      names->viewport()->mapToGlobal(names->visualItemRect(names->item(1)).center());
  QProcess::execute("xdotool", {"mousemove", QString::number(over.x()), QString::number(over.y())});
  ASSERT_TRUE(waitFor([&] {
    return QToolTip::isVisible() && QToolTip::text() == app.odds().text();
  })) << QToolTip::text().toStdString();
  // The game's own dice were not touched, and the same count made here, the
  // way vorlund-sim's odds makes it, says the same.
  EXPECT_EQ(QToolTip::text().toStdString(),
            oddsSummary(takeOddsSetup(g), fightOdds(g, OddsTooltip::kFights)));
  EXPECT_EQ(g.rng.seed, seed);
  // Released, the match has no odds to show any more.
  clickNames(app, "release fighters");
  ASSERT_GE(g.turnCounter, 1);
  EXPECT_TRUE(app.odds().text().isEmpty());
}

// Ctrl+S in the Log asks for a name in the game folder (what it writes there,
// the test below reads); a dialog closed without a name, a plain S and Ctrl+S
// elsewhere write nothing.
TEST_F(Windows, CtrlSInTheLogSavesTheLinesItShowsAndNothingElseDoes) {
  GameApp& app = this->app();
  Game& g = app.game();
  ASSERT_GE(g.turnCounter, 1) << "the fight of the test before";
  QListWidget* names = listOf(app, WindowId::Names);
  QTemporaryDir saves;
  QString offered, answer = saves.filePath("fight.txt");
  int asked = 0;
  app.setLogFileChooser([&](const QString& o) {
    ++asked;
    offered = o;
    return answer;
  });
  QListWidget* log = listOf(app, WindowId::Log);
  const bool running = g.fightRunning;
  QTest::keyClick(log, Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(asked, 1);
  EXPECT_EQ(g.fightRunning, running) << "Ctrl+S is no click in the Log";
  // The dialog offers a name with the date and time in the game folder.
  EXPECT_EQ(QFileInfo(offered).absolutePath(), QDir::current().absolutePath());
  EXPECT_TRUE(QFileInfo(offered).fileName().startsWith("vorlund-log-")) << offered.toStdString();
  // A dialog closed without a name writes nothing; a plain S, and Ctrl+S in
  // another window, ask for nothing.
  answer.clear();
  QTest::keyClick(log, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(QDir(saves.path()).entryList(QDir::Files), QStringList{"fight.txt"});
  QTest::keyClick(log, Qt::Key_S);
  QTest::keyClick(names, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked, 2);
}

// Never over a file the game reads or writes; over another file only once the
// player says yes.
TEST_F(Windows, CtrlSRefusesTheGamesOwnFilesAndReplacesAnotherOnlyOnYes) {
  GameApp& app = this->app();
  QListWidget* log = listOf(app, WindowId::Log);
  QTemporaryDir saves;
  QString answer;
  QStringList shownAtSave;
  app.setLogFileChooser([&](const QString&) {
    shownAtSave = items(log);
    return answer;
  });
  QStringList told;
  bool yes = false;
  answerBoxesWith([&](const QString& text, bool question) {
    told << text;
    return question && yes;
  });
  const QString own = QDir::current().absoluteFilePath("names.txt");
  answer = own;
  const QByteArray listed = bytesOf(own);
  QTest::keyClick(log, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(told, QStringList{"The Log was not saved: " + own + " is one of the game's own files"});
  EXPECT_EQ(bytesOf(own), listed);
  answer = saves.filePath("mine.txt");
  for (bool answered : {false, true}) {
    ASSERT_TRUE(writeFile(answer, "mine\n"));
    yes = answered;
    told.clear();
    QTest::keyClick(log, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(told, QStringList{answer + " already exists. Replace it with the Log?"});
    EXPECT_EQ(QString::fromUtf8(bytesOf(answer)),
              answered ? shownAtSave.join('\n') + '\n' : QString("mine\n"));
  }
  answerBoxesWith({});
}

TEST_F(Windows, TheCloseKeepsThePlacementAndTheStoredPaceNotTheCommandLines) {
  EXPECT_EQ(app().ticksPerSecond(), 256) << "the command line's pace";
  const WindowBounds mainAtClose = app().bounds(WindowId::Main);
  app().mainWindow()->close();
  EXPECT_TRUE(stored("Status") == "1" || stored("Status") == "2") << stored("Status").toStdString();
  EXPECT_EQ(stored("Height").toInt(), mainAtClose.height);
  EXPECT_EQ(stored("Top").toInt(), mainAtClose.top);
  EXPECT_EQ(stored("Speed"), "128") << "the command line's pace is not stored";
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  return vorlund::app::test::runGuiTests(argc, argv, [](const QString& dir) {
    vorlund::app::test::copyFiles(VORLUND_GAME_DIR, dir, [](const QString& name) {
      return name.startsWith("Fig13") || name == "aorb1.orb" || name == "atri1.tri" ||
             name == "risks.txt" || name.endsWith(".mp3");
    });
  });
}

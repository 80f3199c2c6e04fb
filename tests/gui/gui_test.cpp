#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFontInfo>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "app/text_windows.h"
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

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool waitFor(const std::function<bool()>& done, int ms = 5000) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (done()) return true;
    runEventsFor(50);
  }
  return done();
}

QString run(const QString& program, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LC_ALL", "C.UTF-8");
  p.setProcessEnvironment(env);
  p.start(program, args);
  p.waitForFinished(5000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

int field(const QString& text, const QString& pattern) {
  const auto m = QRegularExpression(pattern).match(text);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// A window as the window manager sees it: the outer rectangle of the client
// window and the frame the manager put round it, and the titles it received.
struct WmWindow {
  QRect outer;
  QMargins frame;
  QString netWmName;
  QString wmName;
};

WmWindow wmView(const QWidget* w) {
  const QString id = QString::number(w->winId());
  const QString info = run("xwininfo", {"-id", id});
  const QString props = run("xprop", {"-id", id, "_NET_FRAME_EXTENTS", "_NET_WM_NAME", "WM_NAME"});
  const auto extents =
      QRegularExpression(R"(_NET_FRAME_EXTENTS\(CARDINAL\) = (\d+), (\d+), (\d+), (\d+))")
          .match(props);
  int l = 0, r = 0, t = 0, b = 0;
  if (extents.hasMatch()) {
    l = extents.captured(1).toInt();
    r = extents.captured(2).toInt();
    t = extents.captured(3).toInt();
    b = extents.captured(4).toInt();
  }
  WmWindow v;
  v.frame = QMargins(l, t, r, b);
  v.outer =
      QRect(field(info, R"(Absolute upper-left X:\s+(-?\d+))") - l,
            field(info, R"(Absolute upper-left Y:\s+(-?\d+))") - t,
            field(info, R"(Width:\s+(\d+))") + l + r, field(info, R"(Height:\s+(\d+))") + t + b);
  v.netWmName =
      QRegularExpression(R"re(_NET_WM_NAME\(UTF8_STRING\) = "(.*)")re").match(props).captured(1);
  v.wmName = QRegularExpression(R"re(WM_NAME\(\w+\) = "(.*)")re").match(props).captured(1);
  return v;
}

QRect rectOf(const WindowBounds& b) {
  return {b.left, b.top, b.width, b.height};
}

constexpr WindowId kAll[] = {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names,
                             WindowId::Log};

// Where the first tick puts the five windows: the main window at its designed
// bounds, the text windows tiled round it; every rectangle is an outer one.
std::map<WindowId, QRect> firstTiling() {
  const WindowBounds main = designedBounds(WindowId::Main);
  std::map<WindowId, QRect> expected{{WindowId::Main, rectOf(main)}};
  for (const auto& [w, b] : textWindowLayout(main, false)) expected[w] = rectOf(b);
  return expected;
}

QString sheetLine(GameApp& app, WindowId w, int line) {
  auto* text = static_cast<QTextEdit*>(static_cast<TextWindow*>(app.window(w))->control());
  return text->document()->findBlockByNumber(line - 1).text();
}

TEST(WindowManager, FirstTilingPlacesOuterBoundsWithExactCaptionsAndFonts) {
  GameApp app;
  ASSERT_TRUE(app.start(1));
  const auto expected = firstTiling();
  const bool placed = waitFor([&] {
    if (app.game().startupCountdown > -1) return false;
    for (WindowId w : kAll)
      if (wmView(app.window(w)).outer != expected.at(w)) return false;
    return true;
  });
  EXPECT_TRUE(placed) << "the windows did not reach their outer bounds";
  const std::pair<WindowId, const char*> captions[] = {{WindowId::Main, "Vorlund"},
                                                       {WindowId::Us, "Us"},
                                                       {WindowId::Them, "Them"},
                                                       {WindowId::Names, "Names"},
                                                       {WindowId::Log, "Log"}};
  for (const auto& [w, caption] : captions) {
    const WmWindow v = wmView(app.window(w));
    EXPECT_EQ(v.outer, expected.at(w)) << caption;
    EXPECT_EQ(v.netWmName, caption);
    EXPECT_EQ(v.wmName, caption);
    EXPECT_EQ(rectOf(app.bounds(w)), expected.at(w)) << caption << " as the game reads it";
  }
  if (const char* shot = std::getenv("VORLUND_GUI_SHOT"))
    run("import", {"-window", "root", QString(shot) + "-tiled.png"});
  // The Log reaches 4 pixels into the "Us" sheet, as the layout has it, and
  // no further: its title bar is inside its height.
  const QRect log = wmView(app.window(WindowId::Log)).outer;
  const QRect us = wmView(app.window(WindowId::Us)).outer;
  EXPECT_EQ(log.y() + log.height() - us.y(), 4);

  // The fonts are the named stand-ins, found on this machine.
  auto* names = static_cast<ListWindow*>(app.window(WindowId::Names))->list();
  auto* logList = static_cast<ListWindow*>(app.window(WindowId::Log))->list();
  auto* sheet = static_cast<TextWindow*>(app.window(WindowId::Us))->control();
  EXPECT_EQ(QFontInfo(names->font()).family(), "Liberation Serif");
  EXPECT_EQ(QFontInfo(logList->font()).family(), "Liberation Serif");
  EXPECT_EQ(QFontInfo(sheet->font()).family(), "Liberation Mono");
  EXPECT_EQ(QFontInfo(logList->font()).pixelSize(), 11);

  // A name in UTF-8 reads the same on the sheet and in the title bar.
  app.game().characters[0].Name_String = "Zoë";
  refreshSheets(app.game());
  app.sync();
  EXPECT_EQ(sheetLine(app, WindowId::Us, 1), "NAME Zoë" + QString(43, ' ') + "|");
  EXPECT_TRUE(waitFor([&] {
    return wmView(app.window(WindowId::Us)).netWmName == "Zoë  $1375000";
  })) << wmView(app.window(WindowId::Us)).netWmName.toStdString();

  // The player makes "Us" reach down to 600 and across to 235 (outer edges):
  // the others are tiled from that, "Them" to 275, 450, 250 x 150.
  const QMargins frame = wmView(app.window(WindowId::Us)).frame;
  const int insideW = 235 - us.x() - frame.left() - frame.right();
  const int insideH = 600 - us.y() - frame.top() - frame.bottom();
  run("xdotool", {"windowsize", QString::number(app.window(WindowId::Us)->winId()),
                  QString::number(insideW), QString::number(insideH)});
  const QRect them(275, 450, 250, 150);
  waitFor([&] { return wmView(app.window(WindowId::Them)).outer == them; });
  EXPECT_EQ(wmView(app.window(WindowId::Them)).outer, them);
  EXPECT_EQ(wmView(app.window(WindowId::Us)).outer, QRect(0, us.y(), 235, 600 - us.y()));
  if (const char* shot = std::getenv("VORLUND_GUI_SHOT"))
    run("import", {"-window", "root", QString(shot) + "-desktop.png"});
}

// Esc pauses the tune and resumes it, from each text window and the arena.
// Without a sound device the game is silent, and the keys still reach it.
TEST(Music, EscPausesAndResumesInEveryWindow) {
  GameApp app;
  ASSERT_TRUE(app.start(1));
  ASSERT_TRUE(waitFor([&] { return app.game().startupCountdown <= -1; }));
  const bool sound = app.musicLoaded() && waitFor([&] { return app.musicPlaying(); }, 3000);
  QWidget* arena = app.mainWindow();
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log}) {
    QTest::keyClick(static_cast<TextWindow*>(app.window(w))->control(), Qt::Key_Escape);
    EXPECT_FALSE(app.game().musicOn) << static_cast<int>(w);
    if (sound) {
      EXPECT_TRUE(waitFor([&] { return !app.musicPlaying(); }, 2000));
    }
    QTest::keyClick(arena, Qt::Key_Escape);
    EXPECT_TRUE(app.game().musicOn) << static_cast<int>(w);
    if (sound) {
      EXPECT_TRUE(waitFor([&] { return app.musicPlaying(); }, 2000));
    }
  }
  if (!sound) std::puts("no sound output here: checked the keys only");
}

TEST(GameWindows, StartTickShowAndCloseSavingTheSettings) {
  GameApp app;
  ASSERT_TRUE(app.start(1));
  EXPECT_TRUE(app.mainWindow()->isVisible());
  EXPECT_FALSE(app.window(WindowId::Log)->isVisible()) << "text windows wait for the first tick";

  ASSERT_TRUE(waitFor([&] { return app.game().startupCountdown <= -1; }));
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    EXPECT_TRUE(app.window(w)->isVisible()) << static_cast<int>(w);
  EXPECT_EQ(app.game().names.lines.size(), 3u);
  EXPECT_GE(app.game().names.selected, 0);

  // A press on a name takes it and moves the wizard on to the races; a press
  // below the last line acts on nothing and leaves nothing selected.
  QListWidget* names = static_cast<ListWindow*>(app.window(WindowId::Names))->list();
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                    names->visualItemRect(names->item(1)).center());
  EXPECT_EQ(app.game().names.state, MenuState::ChooseRace);
  EXPECT_EQ(app.game().us.lines[0].substr(5, 5), "Birch");
  EXPECT_EQ(names->count(), 1) << "the races list (no races.txt: a human is offered)";
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                    QPoint(10, names->viewport()->height() - 3));
  EXPECT_EQ(app.game().names.state, MenuState::ChooseRace);
  EXPECT_EQ(app.game().names.selected, -1);
  EXPECT_TRUE(names->selectedItems().isEmpty());
  if (const char* shot = std::getenv("VORLUND_GUI_SHOT")) {
    app.window(WindowId::Names)->grab().save(QString(shot) + "-names.png");
    app.window(WindowId::Us)->grab().save(QString(shot) + "-us.png");
  }

  const WindowBounds mainAtClose = app.bounds(WindowId::Main);
  app.mainWindow()->close();
  QSettings stored(QSettings::IniFormat, QSettings::UserScope, "Vorlund", "Vorlund");
  const QString group = settingsKeyPath(QCoreApplication::applicationDirPath().toStdString());
  stored.beginGroup(group + "/MainForm");
  const int status = stored.value("Status").toInt();
  EXPECT_TRUE(status == 1 || status == 2) << status;
  // The stored placement is the outer one the game reads and sets.
  EXPECT_EQ(stored.value("Height").toInt(), mainAtClose.height);
  EXPECT_EQ(stored.value("Top").toInt(), mainAtClose.top);
  for (int s = 1; s <= 8; ++s)
    EXPECT_EQ(stored.value(QString("Coin%1").arg(s)).toString(), "1375000") << s;
  EXPECT_EQ(stored.value("Betrayal").toString(), "0");
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  // Never touch a real player's settings or game folder.
  QTemporaryDir config;
  QTemporaryDir gameDir;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QDir::setCurrent(gameDir.path());
  {
    QFile names(gameDir.filePath("names.txt"));
    if (names.open(QIODevice::WriteOnly)) names.write("Ash\nBirch\nCedar\n");
  }
  for (const char* file : {"aorb1.orb", "atri1.tri", "wendlebrook_song_one.mp3"})
    QFile::copy(QDir(VORLUND_GAME_DIR).filePath(file), gameDir.filePath(file));
  const QDir built(VORLUND_GAME_DIR);
  for (const QString& texture : built.entryList({"Fig13*.bmp"}, QDir::Files))
    QFile::copy(built.filePath(texture), gameDir.filePath(texture));
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

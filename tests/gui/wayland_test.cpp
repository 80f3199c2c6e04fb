// The game on a Wayland desktop without X: weston's headless backend, which
// wayland_test.sh starts. The desktop places the windows there, and the Log
// says so once; every function still works: a fight is played through the
// windows, and F1 .. F4 bring each window to the front of the desktop's own
// stack, read from weston's scene graph.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "app/text_windows.h"
#include "app/window_system.h"
#include "gui_support.h"

namespace vorlund::app {
namespace {

using namespace test;

// The titles of the game's windows from the front of weston's stack to the
// back, as its scene graph lists their views.
QStringList stackFromFront() {
  QProcess debug;
  debug.start("weston-debug", {"scene-graph"});
  if (!debug.waitForFinished(10000)) return {"(weston-debug did not answer)"};
  QStringList titles;
  static const QRegularExpression window("top-level window '(Vorlund|Us|Them|Names|Log)\\b");
  for (const QString& line : QString::fromUtf8(debug.readAllStandardOutput()).split('\n'))
    if (const auto m = window.match(line); m.hasMatch()) titles << m.captured(1);
  return titles;
}

QWidget* keyTarget(GameApp& app, WindowId w) {
  return static_cast<TextWindow*>(app.window(w))->control();
}

TEST(Wayland, EveryFunctionWorksTheLogSaysOnceThatTheDesktopPlacesTheWindows) {
  ASSERT_TRUE(QGuiApplication::platformName().startsWith("wayland"))
      << QGuiApplication::platformName().toStdString();
  GameApp app;
  app.setSpeed(256);
  ASSERT_TRUE(startAndShow(app, 3));
  ASSERT_TRUE(waitFor([] { return stackFromFront().size() == 5; }))
      << stackFromFront().join(", ").toStdString();

  // F1 .. F4, each pressed in another window, bring up the Log, Names, Us
  // and Them; a window is still as large as it was.
  const struct {
    Qt::Key key;
    WindowId from, to;
    const char* title;
  } presses[] = {
      {Qt::Key_F1, WindowId::Names, WindowId::Log, "Log"},
      {Qt::Key_F2, WindowId::Log, WindowId::Names, "Names"},
      {Qt::Key_F3, WindowId::Names, WindowId::Us, "Us"},
      {Qt::Key_F4, WindowId::Us, WindowId::Them, "Them"},
      {Qt::Key_F1, WindowId::Them, WindowId::Log, "Log"},
  };
  for (const auto& p : presses) {
    const QSize size = app.window(p.to)->size();
    QTest::keyClick(keyTarget(app, p.from), p.key);
    EXPECT_TRUE(waitFor([&] { return stackFromFront().value(0) == p.title; }))
        << p.title << ": " << stackFromFront().join(", ").toStdString();
    EXPECT_TRUE(app.window(p.to)->isVisible()) << p.title;
    EXPECT_EQ(app.window(p.to)->size(), size) << p.title;
  }

  // A fighter made by clicks, a gamble fought to its end, all told in the Log.
  Game& g = app.game();
  const auto told = [&g] {
    return std::count(g.log.lines().begin(), g.log.lines().end(), kDesktopPlacesWindowsLine);
  };
  EXPECT_EQ(told(), 1);
  clickNamesRow(app, g.names.selected());
  clickNames(app, "human");
  clickNames(app, "12");
  clickNames(app, "release fighters");
  ASSERT_GE(g.turnCounter, 1);
  EXPECT_TRUE(waitFor([&] { return g.turnCounter == 0; }, 60000));
  EXPECT_GT(g.log.lines().size(), 10u);
  app.mainWindow()->close();
  EXPECT_TRUE(QFile::exists("aapla2.pla")) << "the close saved nothing";
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  return vorlund::app::test::runGuiTests(argc, argv, vorlund::app::test::copyFirstGameFolder);
}

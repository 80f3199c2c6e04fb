// The README's two screenshots, taken from the game's own windows under a
// virtual X server with a window manager, as a player would see them: the
// arena mid-fight with the four text windows round it, and the cell cursor
// with its ring and neighbours over the grid. tools/screenshots/refresh runs
// this program and puts the pictures into docs/; as a test it checks that
// both pictures show what they should.
//
//   screenshot_tests            writes arena.png and cursor.png into
//                               $VORLUND_SCREENSHOTS (default: the current folder)
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>
#include <set>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "app/text_windows.h"
#include "shell/game.h"
#include "world/geometry.h"
#include "world/world_state.h"

namespace vorlund::app {
namespace {

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool waitFor(const std::function<bool()>& done, int ms = 20000) {
  for (int waited = 0; waited < ms; waited += 20) {
    if (done()) return true;
    runEventsFor(20);
  }
  return done();
}

QString outputDir() {
  const QByteArray dir = qgetenv("VORLUND_SCREENSHOTS");
  return dir.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(dir);
}

// The whole screen as the X server holds it, window frames and all.
QImage screen() {
  const QString file = QDir::temp().filePath("vorlund-screen.png");
  QProcess::execute("import", {"-window", "root", file});
  QImage image(file);
  QFile::remove(file);
  return image;
}

// How many different colours a part of a picture has: a window that did not
// paint is one or two.
int colours(const QImage& image) {
  std::set<QRgb> seen;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) seen.insert(image.pixel(x, y));
  return static_cast<int>(seen.size());
}

class Shots {
 public:
  Shots() {
    started_ = app_.start(3) && waitFor([&] { return game().startupCountdown == -1; });
  }
  bool started() const { return started_; }
  Game& game() { return app_.game(); }
  GameApp& app() { return app_; }
  QWindow* arena() { return app_.mainWindow()->view()->glWindow(); }

  void click(const std::string& text) {
    const auto& lines = game().names.lines;
    const auto at = std::find(lines.begin(), lines.end(), text);
    ASSERT_NE(at, lines.end()) << "no Names line \"" << text << "\"";
    auto* names = static_cast<ListWindow*>(app_.window(WindowId::Names))->list();
    QListWidgetItem* item = names->item(static_cast<int>(at - lines.begin()));
    names->scrollToItem(item);
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(item).center());
  }
  void key(Qt::Key k) { QTest::keyClick(arena(), k); }
  // The windows' outer rectangles on the screen, title bars included.
  QRect frame(WindowId w) { return app_.window(w)->frameGeometry(); }

 private:
  GameApp app_;
  bool started_ = false;
};

// A cell half way from the middle of the view to the globe's edge: the ring
// of cells a quarter turn from it is then a wide ellipse on the globe. The
// middle is found by the selection pass, as a click there would find it.
std::int32_t cellHalfWayOut(ArenaView& view, const Game& g) {
  std::uint32_t middle = 0;
  for (int r = 0; r < 40 && middle == 0; r += 2)
    for (int d = -r; d <= r && middle == 0; d += 2) {
      const auto hit = view.pickAt(QPointF(view.width() / 2.0 + d, view.height() / 2.0 + r));
      if (hit && *hit >= 1 && *hit <= static_cast<std::uint32_t>(kCellCount)) middle = *hit;
    }
  if (middle == 0) return 0;
  const Vec3& centre = cellPosition(g.world, static_cast<std::int32_t>(middle));
  std::int32_t best = 0;
  float bestError = 2.0f;
  for (std::int32_t c = 1; c <= kCellCount; ++c) {
    const float error = std::abs(cosineBetween(centre, cellPosition(g.world, c)) - 0.7f);
    if (error < bestError) {
      best = c;
      bestError = error;
    }
  }
  return best;
}

TEST(Screenshots, TheCursorOverlayAndTheArenaMidFight) {
  Shots s;
  ASSERT_TRUE(s.started());
  Game& g = s.game();
  // Closer to the arena than the opening zoom, with W as a player would.
  while (g.solarScale < 1e-07) s.key(Qt::Key_W);

  // The cell cursor half way out, over the grid: the pole, its ring of cells
  // a quarter turn away, its neighbours, the antipode's line.
  s.key(Qt::Key_B);
  runEventsFor(300);
  const std::int32_t target = cellHalfWayOut(*s.app().mainWindow()->view(), g);
  ASSERT_GT(target, 0) << "no cell in the middle of the view";
  const Qt::Key step = g.cursorCell < target ? Qt::Key_Up : Qt::Key_Down;
  while (g.cursorCell != target) s.key(step);
  for (int i = 0; i < 3; ++i) s.key(Qt::Key_Left);
  s.key(Qt::Key_Y);
  runEventsFor(300);
  const QImage cursor = s.app().mainWindow()->view()->grabFrame();
  EXPECT_GT(colours(cursor), 10);
  EXPECT_TRUE(cursor.save(QDir(outputDir()).filePath("cursor.png")));
  s.key(Qt::Key_Y);
  s.key(Qt::Key_B);

  // A human of strength 12 against the guest, released at once.
  s.click(g.names.lines.at(static_cast<std::size_t>(g.names.selected)));
  s.click("human");
  s.click("12");
  s.click("release fighters");
  ASSERT_TRUE(waitFor([&] { return g.turnCounter >= 3 || g.turnCounter == 0; }));
  ASSERT_GE(g.turnCounter, 3) << "the fight ended before its third turn";
  // A click in the Log holds the fight for the picture.
  QTest::mouseClick(static_cast<ListWindow*>(s.app().window(WindowId::Log))->list()->viewport(),
                    Qt::LeftButton, {}, QPoint(6, 6));
  runEventsFor(500);

  QRect all;
  for (WindowId w : {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    all |= s.frame(w);
  const QImage desktop = screen().copy(all);
  ASSERT_FALSE(desktop.isNull()) << "import -window root";
  EXPECT_GT(colours(desktop.copy(s.frame(WindowId::Main).translated(-all.topLeft()))), 100);
  EXPECT_TRUE(desktop.save(QDir(outputDir()).filePath("arena.png")));
  s.app().mainWindow()->close();
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  // A first game in a folder of its own, with settings of its own.
  QTemporaryDir config;
  QTemporaryDir game;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  const QStringList played{"names.txt", "characters.svd", "graveL.ist",        "aapla2.pla",
                           "adia2.equ", "last-game.vsim", "previous-game.vsim"};
  for (const auto& [from, pattern] : {std::pair{QString(VORLUND_GAME_DIR), QString("*")},
                                      std::pair{QString(VORLUND_DATA_DIR), QString("*.txt")}}) {
    const QDir dir(from);
    for (const QString& name : dir.entryList({pattern}, QDir::Files))
      if (from == VORLUND_DATA_DIR || !played.contains(name))
        QFile::copy(dir.filePath(name), QDir(game.path()).filePath(name));
  }
  QFile::remove(QDir(game.path()).filePath("CMakeLists.txt"));
  QDir::setCurrent(game.path());
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

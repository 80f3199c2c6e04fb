// The pointer and the keys on the arena view under a virtual X server with
// Mesa: the events go to the GL window as a player's would, and the cells
// are found on screen by what they draw, not by asking the selection pass.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "shell/game.h"

namespace vorlund::app {
namespace {

using Row = std::vector<std::int32_t>;

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// The box of the pixels where two frames differ.
QRect difference(const QImage& a, const QImage& b, int& pixels) {
  QRect box;
  pixels = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        ++pixels;
        box |= QRect(x, y, 1, 1);
      }
  return box;
}

Row ringOf(const Game& g, std::int32_t c) {
  Row row;
  for (int k = 1; k <= ringCount(g.world, c); ++k) row.push_back(ringEntry(g.world, c, k));
  return row;
}

Row neighboursOf(const Game& g, std::int32_t c) {
  Row row;
  for (int k = 1; k <= neighbourCount(g.world, c); ++k) row.push_back(neighbourSlot(g.world, c, k));
  return row;
}

bool holds(const Row& row, std::int32_t cell) {
  return std::find(row.begin(), row.end(), cell) != row.end();
}

class ArenaInput : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app_ = new GameApp;
    ASSERT_TRUE(app_->start(7));
    view().setErrorReport([](const std::string& m) { errors_.push_back(m); });
    runEventsFor(400);
  }
  static void TearDownTestSuite() {
    app_->mainWindow()->close();
    delete app_;
  }

  // Every test starts from a still globe big enough to click on: Uranus
  // close up, without the zoom, the cursor, the fighters or the graves.
  void SetUp() override {
    Game& g = game();
    g.solarScale = 1e-07;
    g.zoomAnimation = false;
    g.viewedBody = 4;
    g.viewYaw = 0.0;
    g.viewPitch = 0.0;
    g.gridOverlay = false;
    g.texturedGlobe = false;
    g.cursorShown = false;
    g.combatantCount = 0;
    g.graveyard.count = 0;
    g.mouseDrag = false;
  }
  void TearDown() override { EXPECT_TRUE(errors_.empty()) << errors_.front(); }

  static ArenaView& view() { return *app_->mainWindow()->view(); }
  static QWindow* surface() { return view().glWindow(); }
  static Game& game() { return app_->game(); }

  // Where a change to the game draws something on screen: the box of the
  // pixels it changes, empty when it changes none.
  static QRect drawnBy(const std::function<void(Game&)>& change, int& pixels) {
    view().grabFrame();  // the next frames start from the state a frame leaves
    const QImage before = view().grabFrame();
    Game saved = game();
    change(game());
    const QImage after = view().grabFrame();
    game() = std::move(saved);
    return difference(before, after, pixels);
  }

  // A cell with its star behind the viewer, whose grid cube is on screen
  // and alone, and that no marker shows; 0 when there is none. `at` is the
  // cube's centre.
  static std::int32_t gridCellOnScreen(QPoint& at) {
    Game& g = game();
    Row marked = ringOf(g, g.cursorCell);
    for (std::int32_t c : neighboursOf(g, g.poleCell)) marked.push_back(c);
    for (std::int32_t c : {g.poleCell, g.antipodeCell, 1, cornerCell(g.world, 9)})
      marked.push_back(c);
    for (std::int32_t c = 1; c <= kCellCount; c += 7) {
      if (cellPosition(g.world, c).z < 0.3L || holds(marked, c)) continue;
      int pixels = 0;
      const QRect cube = drawnBy(
          [c](Game& h) {
            h.world.cells[c] = {1000.0L, 0.0L, 0.0L};
          },
          pixels);
      if (pixels > 4 && cube.width() < 30 && cube.height() < 30) {
        at = cube.center();
        return c;
      }
    }
    return 0;
  }

  // A point of the view where the selection pass hits nothing at all.
  static QPoint emptySpace() {
    for (int y = 40; y < view().height() - 40; y += 23)
      for (int x = 5; x < 60; x += 9)
        if (!view().pickAt(QPointF(x, y))) return {x, y};
    return {-1, -1};
  }

  static GameApp* app_;
  static std::vector<std::string> errors_;
};
GameApp* ArenaInput::app_ = nullptr;
std::vector<std::string> ArenaInput::errors_;

TEST_F(ArenaInput, WithTheGridOnALeftClickOnACellAddsItToTheCursorCellsRing) {
  Game& g = game();
  QTest::keyClick(surface(), Qt::Key_B);
  ASSERT_TRUE(g.gridOverlay) << "B on the arena turns the grid on";

  QPoint at;
  const std::int32_t cell = gridCellOnScreen(at);
  ASSERT_NE(cell, 0) << "no grid cell on screen";
  const Row before = ringOf(g, g.cursorCell);
  ASSERT_LT(before.size(), 66u);
  QTest::mouseClick(surface(), Qt::LeftButton, {}, at);
  const Row after = ringOf(g, g.cursorCell);
  EXPECT_EQ(after.size(), before.size() + 1);
  EXPECT_TRUE(holds(after, cell)) << cell;
  EXPECT_FALSE(g.mouseDrag) << "the release ended the drag";

  // A right click on the same cell names no ring marker: nothing goes.
  QTest::mouseClick(surface(), Qt::RightButton, {}, at);
  EXPECT_EQ(ringOf(g, g.cursorCell), after);
}

TEST_F(ArenaInput, AClickOnEmptySpaceStartsADragAndEditsNothing) {
  Game& g = game();
  g.gridOverlay = true;
  g.cursorShown = true;
  const QPoint at = emptySpace();
  ASSERT_NE(at.x(), -1) << "no empty space at the left edge";
  const Row ring = ringOf(g, g.cursorCell);
  const Row sides = neighboursOf(g, g.cursorCell);
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    QTest::mousePress(surface(), button, Qt::ControlModifier | Qt::AltModifier, at);
    EXPECT_TRUE(g.mouseDrag);
    QTest::mouseRelease(surface(), button, Qt::ControlModifier | Qt::AltModifier, at);
    EXPECT_FALSE(g.mouseDrag);
  }
  EXPECT_EQ(ringOf(g, g.cursorCell), ring);
  EXPECT_EQ(neighboursOf(g, g.cursorCell), sides);
  EXPECT_EQ(app_->mainWindow()->windowTitle(), "Vorlund");
}

TEST_F(ArenaInput, ADragAcrossTheFullWidthTurnsTheViewBy187AndAHalfDegrees) {
  Game& g = game();
  const QPoint at = emptySpace();
  ASSERT_NE(at.x(), -1);
  const int width = app_->mainWindow()->width();
  ASSERT_EQ(view().width(), width) << "the view fills the main window";
  g.viewYaw = 12.0;
  g.viewPitch = 3.0;
  QTest::mousePress(surface(), Qt::LeftButton, {}, at);
  QTest::mouseMove(surface(), at + QPoint(width / 2, 0));
  EXPECT_DOUBLE_EQ(g.viewYaw, 12.0 + 187.5 * (width / 2) / width);
  // The pointer leaves the window on the right; the window keeps the grab.
  const QPointF end = at + QPoint(width, 0);
  QMouseEvent far(QEvent::MouseMove, end, surface()->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
  QCoreApplication::sendEvent(surface(), &far);
  EXPECT_DOUBLE_EQ(g.viewYaw, 12.0 + 187.5);
  EXPECT_DOUBLE_EQ(g.viewPitch, 3.0);
  // Released where the window system last saw the pointer, so that no move
  // comes before the release.
  QTest::mouseRelease(surface(), Qt::LeftButton, {}, at + QPoint(width / 2, 0));
  QTest::mouseMove(surface(), at);
  EXPECT_DOUBLE_EQ(g.viewYaw, 12.0 + 187.5) << "no button held: the view stays";

  // The wheel: a notch away from the player tilts by one line more than the
  // scroll lines, a notch towards him by the scroll lines.
  const double lines = g.wheelScrollLines;
  QWheelEvent away(QPointF(at), QPointF(surface()->mapToGlobal(at)), {}, {0, 120}, Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(surface(), &away);
  EXPECT_DOUBLE_EQ(g.viewPitch, 3.0 - 2.0 * (lines + 1));
}

TEST_F(ArenaInput, F1ToF4OnTheArenaBringTheTextWindowsForward) {
  const std::pair<Qt::Key, WindowId> keys[] = {{Qt::Key_F1, WindowId::Log},
                                               {Qt::Key_F2, WindowId::Names},
                                               {Qt::Key_F3, WindowId::Us},
                                               {Qt::Key_F4, WindowId::Them}};
  for (auto [key, w] : keys) {
    app_->mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app_->mainWindow()));
    QTest::keyClick(surface(), key);
    EXPECT_TRUE(QTest::qWaitFor([w = w] {
      return QApplication::activeWindow() == app_->window(w);
    })) << app_->window(w)->windowTitle().toStdString();
  }
}

// The highlighted ring cell is drawn after the ring's named markers but
// carries no name of its own: a right click on it takes nothing away.
TEST_F(ArenaInput, TheHighlightedRingCellIsPickedAsNothing) {
  Game& g = game();
  QPoint cellAt;
  g.gridOverlay = true;
  const std::int32_t e = gridCellOnScreen(cellAt);
  ASSERT_NE(e, 0);
  g.gridOverlay = false;
  g.cursorShown = true;
  const std::int32_t f = neighbourSlot(g.world, e, 1);
  RingRow& row = *ringRow(g.world, g.cursorCell);
  const RingRow kept = row;
  row.count = 2;
  row.entry[1] = e;
  row.entry[2] = f;
  g.cursorRingPos = 1;

  int pixels = 0;
  const QRect marker = drawnBy([e](Game& h) { h.world.cells[e] = {1000.0L, 0.0L, 0.0L}; }, pixels);
  ASSERT_GT(pixels, 4) << "the highlighted marker is on screen";
  const auto name = view().pickAt(marker.center());
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(*name, 0u);
  QTest::mouseClick(surface(), Qt::RightButton, {}, marker.center());
  EXPECT_EQ(ringOf(g, g.cursorCell), (Row{e, f}));
  row = kept;
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  // A player's settings and game folder are never touched.
  QTemporaryDir config;
  QTemporaryDir gameDir;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  const QDir built(VORLUND_GAME_DIR);
  for (const QString& file : built.entryList(QDir::Files))
    if (file.endsWith(".bmp") || file.endsWith(".txt") || file == "aorb1.orb" ||
        file == "atri1.tri")
      QFile::copy(built.filePath(file), QDir(gameDir.path()).filePath(file));
  QDir::setCurrent(gameDir.path());
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

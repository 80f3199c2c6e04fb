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

#include <QTest>
#include <QWindow>
#include <cmath>
#include <set>

#include "app/arena_view.h"
#include "gui_support.h"
#include "shell/game.h"
#include "world/geometry.h"
#include "world/world_state.h"

namespace vorlund::app {
namespace {

using namespace test;

QString outputFile(const char* name) {
  return QDir(qEnvironmentVariable("VORLUND_SCREENSHOTS", QDir::currentPath())).filePath(name);
}

// How many different colours a part of a picture has: a window that did not
// paint is one or two.
int colours(const QImage& image) {
  std::set<QRgb> seen;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) seen.insert(image.pixel(x, y));
  return static_cast<int>(seen.size());
}

// A cell half way from the middle of the view to the globe's edge: the ring
// of cells a quarter turn from it is then a wide ellipse on the globe. The
// middle is found by the selection pass, as a click there would find it.
std::int32_t cellHalfWayOut(ArenaView& view, const Game& g) {
  std::uint32_t middle = 0;
  for (int r = 0; r < 40 && middle == 0; r += 2)
    for (int d = -r; d <= r && middle == 0; d += 2) {
      const auto hit = view.pickAt(QPointF(view.width() / 2.0 + d, view.height() / 2.0 + r));
      if (hit && *hit >= 1 && *hit <= static_cast<std::uint32_t>(kSphereCellCount)) middle = *hit;
    }
  if (middle == 0) return 0;
  const Vec3& centre = cellPosition(g.world, static_cast<std::int32_t>(middle));
  const auto error = [&](std::int32_t c) {
    return std::abs(cosineBetween(centre, cellPosition(g.world, c)) - 0.7f);
  };
  std::int32_t best = 1;
  for (std::int32_t c = 2; c <= kSphereCellCount; ++c)
    if (error(c) < error(best)) best = c;
  return best;
}

TEST(Screenshots, TheCursorOverlayAndTheArenaMidFight) {
  GameApp app;
  ASSERT_TRUE(startAndShow(app, 3));
  Game& g = app.game();
  ArenaView& view = *app.mainWindow()->view();
  const auto key = [&](Qt::Key k) { QTest::keyClick(view.glWindow(), k); };
  // Closer to the arena than the opening zoom, with W as a player would.
  while (g.solarScale < 1e-07) key(Qt::Key_W);

  // The cell cursor half way out, over the grid: the pole, its ring of cells
  // a quarter turn away, its neighbours, the antipode's line.
  key(Qt::Key_B);
  runEventsFor(300);
  const std::int32_t target = cellHalfWayOut(view, g);
  ASSERT_GT(target, 0) << "no cell in the middle of the view";
  const Qt::Key step = g.cursorCell < target ? Qt::Key_Up : Qt::Key_Down;
  while (g.cursorCell != target) key(step);
  for (int i = 0; i < 3; ++i) key(Qt::Key_Left);
  key(Qt::Key_Y);
  runEventsFor(300);
  const QImage cursor = view.grabFrame();
  EXPECT_GT(colours(cursor), 10);
  EXPECT_TRUE(cursor.save(outputFile("cursor.png")));
  key(Qt::Key_Y);
  key(Qt::Key_B);

  // A human of strength 12 against the guest, released at once.
  for (const std::string& line :
       {g.names.lines().at(static_cast<std::size_t>(g.names.selected())), std::string("human"),
        std::string("12"), std::string("release fighters")})
    clickNames(app, line);
  ASSERT_TRUE(waitFor([&] { return g.turnCounter >= 3 || g.turnCounter == 0; }, 20000));
  ASSERT_GE(g.turnCounter, 3) << "the fight ended before its third turn";
  clickLog(app);  // holds the fight for the picture
  runEventsFor(500);

  QRect all;
  for (WindowId w : {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    all |= app.window(w)->frameGeometry();
  const QImage desktop = screen().copy(all);
  ASSERT_FALSE(desktop.isNull()) << "import -window root";
  const QRect main = app.window(WindowId::Main)->frameGeometry().translated(-all.topLeft());
  EXPECT_GT(colours(desktop.copy(main)), 100);
  EXPECT_TRUE(desktop.save(outputFile("arena.png")));
  app.mainWindow()->close();
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  // A first game in a folder of its own, with settings of its own.
  return vorlund::app::test::runGuiTests(argc, argv, vorlund::app::test::copyFirstGameFolder);
}

// The arena view in the game under a virtual X server with Mesa: the grid's
// cells found on screen by what they draw, then picked and clicked as a
// player would; drags, keys, the two ways of keeping textures, the labels'
// size. (The arena mid-fight is gui.screenshots's picture.)
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "app/arena_view.h"
#include "app/glyph_bitmaps.h"
#include "app/message_boxes.h"
#include "gui_support.h"
#include "render/arena_painter.h"
#include "state/game.h"
#include "support/spy_platform.h"

namespace vorlund::app {
namespace {

using namespace test;
using Row = std::vector<std::int32_t>;

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

// The game, started once for the whole program; each test gets it back as
// it found it.
class Arena : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app_ = new GameApp;
    ASSERT_TRUE(app_->start(7));
    view().setErrorReport([](const std::string& m) { errors_.push_back(m); });
    runEventsFor(400);  // the first ticks: text windows, the context, frames
  }
  static void TearDownTestSuite() {
    app_->mainWindow()->close();
    delete app_;
  }
  void SetUp() override { saved_ = game(); }
  void TearDown() override {
    game() = std::move(saved_);
    EXPECT_TRUE(errors_.empty()) << errors_.front();
    errors_.clear();
  }

  static ArenaView& view() { return *app_->mainWindow()->view(); }
  static QWindow* surface() { return view().glWindow(); }
  static Game& game() { return app_->game(); }

  // A still globe big enough to click on: Uranus close up, without the zoom,
  // the cursor, the fighters or the graves.
  static void stillGlobe() {
    Game& g = game();
    g.solarScale = 1e-07;
    g.zoomAnimation = false;
    g.viewedBody = 4;
    g.viewYaw = g.viewPitch = 0.0;
    g.gridOverlay = g.texturedGlobe = g.cursorShown = g.mouseDrag = false;
    g.combatantCount = 0;
    g.graveyard.count = 0;
  }

  // Where a change to the game, made for one frame only, draws on screen.
  static Difference drawnBy(const std::function<void(Game&)>& change) {
    view().grabFrame();  // the next frames start from the state a frame leaves
    const QImage before = view().grabFrame();
    const Game saved = game();
    change(game());
    const QImage after = view().grabFrame();
    game() = saved;
    return difference(before, after);
  }
  static void hideCell(Game& g, std::int32_t c) { g.world.cells[c] = {1000.0L, 0.0L, 0.0L}; }

  // A cell with its star behind the viewer, whose grid cube is on screen and
  // alone, and that no marker shows; 0 when there is none. `at` is the
  // cube's centre.
  static std::int32_t gridCellOnScreen(QPoint& at) {
    Game& g = game();
    Row marked = ringOf(g, g.cursorCell);
    for (std::int32_t c : neighboursOf(g, g.poleCell)) marked.push_back(c);
    for (std::int32_t c : {g.poleCell, g.antipodeCell, 1, cornerCell(g.world, 9)})
      marked.push_back(c);
    for (std::int32_t c = 1; c <= kSphereCellCount; c += 7) {
      if (cellPosition(g.world, c).z < 0.3L || holds(marked, c)) continue;
      const Difference cube = drawnBy([c](Game& h) { hideCell(h, c); });
      if (cube.pixels > 4 && cube.box.width() < 30 && cube.box.height() < 30) {
        at = cube.box.center();
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

  Game saved_;
  static GameApp* app_;
  static std::vector<std::string> errors_;
};
GameApp* Arena::app_ = nullptr;
std::vector<std::string> Arena::errors_;

// With the grid on (key B), the selection pass at a pixel returns the cell
// drawn under it, and a left click there adds that cell to the cursor
// cell's ring row; a right click on it names no ring marker.
TEST_F(Arena, WithTheGridOnACellIsPickedWhereItIsDrawnAndALeftClickAddsItToTheRing) {
  stillGlobe();
  Game& g = game();
  QTest::keyClick(surface(), Qt::Key_B);
  ASSERT_TRUE(g.gridOverlay) << "B on the arena turns the grid on";
  QPoint at;
  const std::int32_t cell = gridCellOnScreen(at);
  ASSERT_NE(cell, 0) << "no grid cell on screen";

  const QImage withCells = view().grabFrame();
  EXPECT_EQ(view().pickAt(at), std::optional<std::uint32_t>(cell));
  const auto corner = view().pickAt(QPointF(2, 2));
  EXPECT_FALSE(corner.has_value() && *corner != 0) << "no cell in the corner";
  EXPECT_EQ(difference(view().grabFrame(), withCells).pixels, 0)
      << "the picks leave the projection as they found it";

  const Row before = ringOf(g, g.cursorCell);
  ASSERT_LT(before.size(), 66u);
  QTest::mouseClick(surface(), Qt::LeftButton, {}, at);
  const Row after = ringOf(g, g.cursorCell);
  EXPECT_EQ(after.size(), before.size() + 1);
  EXPECT_TRUE(holds(after, cell)) << cell;
  EXPECT_FALSE(g.mouseDrag) << "the release ended the drag";
  QTest::mouseClick(surface(), Qt::RightButton, {}, at);
  EXPECT_EQ(ringOf(g, g.cursorCell), after);
}

// On empty space a click of any button starts a drag and edits nothing; a
// drag across the full width turns the view by 187.5 degrees, and goes on
// outside the window until the release.
TEST_F(Arena, OnEmptySpaceAClickOnlyDragsAndTheFullWidthTurnsTheViewBy187AndAHalfDegrees) {
  stillGlobe();
  Game& g = game();
  g.gridOverlay = g.cursorShown = true;
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
}

// The highlighted ring cell is drawn after the ring's named markers but
// carries no name of its own: a right click on it takes nothing away.
TEST_F(Arena, TheHighlightedRingCellIsPickedAsNothing) {
  stillGlobe();
  Game& g = game();
  QPoint cellAt;
  g.gridOverlay = true;
  const std::int32_t e = gridCellOnScreen(cellAt);
  ASSERT_NE(e, 0);
  g.gridOverlay = false;
  g.cursorShown = true;
  const std::int32_t f = neighbourSlot(g.world, e, 1);
  RingRow& row = *ringRow(g.world, g.cursorCell);
  row.count = 2;
  row.entry[1] = e;
  row.entry[2] = f;
  g.cursorRingPos = 1;

  const Difference marker = drawnBy([e](Game& h) { hideCell(h, e); });
  ASSERT_GT(marker.pixels, 4) << "the highlighted marker is on screen";
  EXPECT_EQ(view().pickAt(marker.box.center()), std::optional<std::uint32_t>(0));
  QTest::mouseClick(surface(), Qt::RightButton, {}, marker.box.center());
  EXPECT_EQ(ringOf(g, g.cursorCell), (Row{e, f}));
}

// The views keep the GL state and the component values each frame leaves,
// so both paint the same frames first: one with a zap (its line width
// stays) and one more.
TEST_F(Arena, TextureObjectsPaintWhatReuploadingPaints) {
  ArenaView reupload(game(), nullptr, render::TextureMode::Reupload);
  reupload.setErrorReport([](const std::string& m) { errors_.push_back(m); });
  ASSERT_FALSE(reupload.loadGraphics().has_value());
  reupload.resize(view().size());
  reupload.show();
  runEventsFor(300);
  Game& g = game();
  g.cursorShown = g.gridOverlay = true;
  g.zapCountdown = 1;
  g.zapTarget = 1;
  for (ArenaView* v : {&view(), &reupload}) v->grabFrame();
  g.zapCountdown = 0;
  for (int i = 0; i < 2; ++i) {
    const QImage objects = view().grabFrame();
    const QImage uploads = reupload.grabFrame();
    ASSERT_EQ(objects.size(), uploads.size());
    EXPECT_EQ(difference(objects, uploads).pixels, 0) << "frame " << i;
  }
}

// The grid's cubes drawn in one call paint the frame that drawing them one
// by one, as the selection pass does, paints, from eight directions. Over
// the textured globe they are the same pixels; with the globe off a cube on
// the far side may show a rounding of GL's float arithmetic (the one call
// has each cube's place worked into its corners, the selection pass has it
// in the modelview): a few dim pixels at most.
TEST_F(Arena, TheGridInOneCallPaintsWhatItPaintsCellByCell) {
  Game& g = game();
  g.gridOverlay = g.cursorShown = true;
  g.solarScale = 1e-07;
  render::ArenaPainter& painter = view().painter();
  for (int look = 0; look < 16; ++look) {
    const bool textured = look % 2 == 0;
    g.texturedGlobe = textured;
    g.viewYaw = 37.0 * (look / 2);
    g.viewPitch = 11.0 * (look / 4);
    QImage frames[2];
    for (int oneByOne = 0; oneByOne < 2; ++oneByOne) {
      painter.cellsOneByOne = painter.globeOneByOne = oneByOne == 1;
      view().grabFrame();  // the state the last frame leaves
      frames[oneByOne] = view().grabFrame();
    }
    painter.cellsOneByOne = painter.globeOneByOne = false;
    const int differing = difference(frames[0], frames[1]).pixels;
    if (textured)
      EXPECT_EQ(differing, 0) << "look " << look;
    else
      EXPECT_LE(differing, 8) << "look " << look;
  }
}

// GL draws the labels' bitmaps pixel for pixel; at a scale factor of 2 (run
// so by gui.arena_scale2) they are drawn from a font twice as large, so that
// "F1" in the corner stands as tall against the arena as at a factor of 1.
TEST_F(Arena, LabelsKeepTheirSizeAgainstTheArenaAtEveryScale) {
  const double ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                           ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                           : 1.0;
  ASSERT_EQ(surface()->devicePixelRatio(), ratio);
  const QImage frame = view().grabFrame();
  ASSERT_EQ(frame.width(), std::lround(view().width() * ratio)) << "the frame has device pixels";
  const render::GlyphSet unscaled = rasteriseGlyphs();
  const int designed = std::max(unscaled['F' - render::kFirstGlyph].height,
                                unscaled['1' - render::kFirstGlyph].height);
  ASSERT_EQ(game().solar.labels[0], "F1");
  const Difference label = drawnBy([](Game& g) { g.solar.labels[0].clear(); });
  EXPECT_NEAR(label.box.height(), designed * ratio, 1.0) << "at " << ratio;
  EXPECT_LT(label.box.bottom(), frame.height() / 8) << "not the corner label";
}

// A texture GL refuses at upload (a top-down bitmap, its height negative)
// is told once. The arena goes on: the textures after it were uploaded, and
// presses on the arena pick with nothing more to tell.
TEST(ArenaTextures, ATextureGLRefusesIsToldOnceAndTheRestWorks) {
  QTemporaryDir folder;
  copyFiles(QDir::currentPath(), folder.path());
  QFile bitmap(folder.filePath("Fig13007.bmp"));
  ASSERT_TRUE(bitmap.open(QIODevice::ReadWrite) && bitmap.seek(22));
  const QByteArray height = bitmap.read(4);
  const auto flipped = -qFromLittleEndian<qint32>(height.constData());
  ASSERT_TRUE(bitmap.seek(22));
  bitmap.write(reinterpret_cast<const char*>(&flipped), 4);
  bitmap.close();
  QStringList told;
  answerBoxesWith([&](const QString& text, bool) {
    told << text;
    return false;
  });
  const QString home = QDir::currentPath();
  QDir::setCurrent(folder.path());
  {
    GameApp app;
    ASSERT_TRUE(startAndShow(app, 7));
    runEventsFor(300);
    EXPECT_EQ(told, QStringList{"Error in Fig13007.bmp\ninvalid value"});
    // Every other texture object holds its image.
    ArenaView& view = *app.mainWindow()->view();
    view.makeCurrent();
    int filled = 0;
    for (GLuint name = 1; name <= 2 * render::kTextureCount; ++name) {
      GLint width = 0;
      if (!glIsTexture(name)) continue;
      glBindTexture(GL_TEXTURE_2D, name);
      glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
      filled += width > 0;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    view.doneCurrent();
    EXPECT_EQ(filled, render::kTextureCount - 1);
    // Presses on the arena pick, and tell nothing more.
    for (const QPoint at : {QPoint(100, 100), QPoint(300, 200)})
      QTest::mouseClick(view.glWindow(), Qt::LeftButton, {}, at);
    runEventsFor(300);
    EXPECT_EQ(told.size(), 1) << told.join(" / ").toStdString();
    app.mainWindow()->close();
  }
  QDir::setCurrent(home);
  answerBoxesWith({});
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  return vorlund::app::test::runGuiTests(argc, argv, [](const QString& dir) {
    vorlund::app::test::copyFiles(VORLUND_GAME_DIR, dir, [](const QString& name) {
      return name.endsWith(".bmp") || name.endsWith(".txt") || name == "aorb1.orb" ||
             name == "atri1.tri";
    });
  });
}

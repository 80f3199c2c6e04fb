// The arena view under a virtual X server with Mesa: start-up in a prepared
// game folder, a frame in the middle of a fight, picking a cell of the grid,
// and the two ways of keeping textures.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "app/glyph_bitmaps.h"
#include "management/names_window.h"
#include "render/arena_painter.h"
#include "render/bitmap_file.h"
#include "render/planet_textures.h"
#include "shell/game.h"

namespace vorlund::app {
namespace {

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool lit(QRgb p) {
  return qRed(p) + qGreen(p) + qBlue(p) > 60;
}

int litPixels(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += lit(image.pixel(x, y));
  return n;
}

// Where two frames differ: the pixels something drew.
struct Difference {
  int pixels = 0;
  QRect box;
};
Difference difference(const QImage& a, const QImage& b) {
  Difference d;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        ++d.pixels;
        d.box |= QRect(x, y, 1, 1);
      }
  return d;
}

// The game, started once for the whole program in its own folder.
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

  static ArenaView& view() { return *app_->mainWindow()->view(); }
  static Game& game() { return app_->game(); }

  static void click(const std::string& line) {
    const auto& lines = game().names.lines;
    const auto at = std::find(lines.begin(), lines.end(), line);
    ASSERT_NE(at, lines.end()) << line;
    clickNames(game(), static_cast<int>(at - lines.begin()));
    app_->sync();
  }

  // Puts the game back as it was when the scope ends.
  struct KeepGame {
    Game saved = game();
    ~KeepGame() { game() = std::move(saved); }
  };

  // A frame with some of the game changed for it only.
  static QImage frameWith(const std::function<void(Game&)>& change) {
    Game saved = game();
    change(game());
    QImage frame = view().grabFrame();
    game() = std::move(saved);
    return frame;
  }

  static GameApp* app_;
  static std::vector<std::string> errors_;
};
GameApp* Arena::app_ = nullptr;
std::vector<std::string> Arena::errors_;

TEST_F(Arena, StartUpPaintsFramesWithoutAGlError) {
  EXPECT_GT(view().framesPainted(), 0);
  EXPECT_TRUE(errors_.empty()) << errors_.front();
  const QImage frame = view().grabFrame();
  EXPECT_GT(litPixels(frame, frame.rect()), 100) << "the stars at least";
  EXPECT_TRUE(errors_.empty()) << errors_.front();
}

TEST_F(Arena, MidFightShowsGlobeStarsLabelsAndBothFightersWithTrails) {
  // A fighter from the wizard, straight into the arena; the solar system as
  // the zoom leaves it, Uranus in view.
  click(game().names.lines.at(0));
  click("human");
  click("12");
  click("release fighters");
  Game& g = game();
  g.solarScale = 1e-07;
  g.zoomAnimation = false;
  g.viewedBody = 4;
  for (int tick = 0;
       tick < 400 && (g.turnCounter < 3 || g.cellHistory[0][0] == g.cellHistory[0][5]); ++tick)
    app_->tick();
  ASSERT_GT(g.turnCounter, 0) << "the fight is still on";
  g.zapCountdown = 0;  // a beam flickers from frame to frame

  const QImage frame = view().grabFrame();
  ASSERT_TRUE(errors_.empty()) << errors_.front();
  const std::string shot = std::getenv("VORLUND_ARENA_SHOT") ? std::getenv("VORLUND_ARENA_SHOT")
                                                             : VORLUND_TEST_OUTPUT "/arena.png";
  frame.save(QString::fromStdString(shot));

  // The globe fills the middle of the view; stars are scattered round it.
  const QPoint centre = frame.rect().center();
  EXPECT_GT(litPixels(frame, QRect(centre - QPoint(40, 40), QSize(80, 80))), 80 * 80 * 9 / 10);
  const int starArea = litPixels(frame, QRect(0, 0, frame.width() / 8, frame.height()));
  EXPECT_GT(starArea, 10);
  EXPECT_LT(starArea, frame.width() / 8 * frame.height() / 20) << "scattered points";

  const Difference labels = difference(frame, frameWith([](Game& h) {
                                         for (auto& l : h.solar.labels) l.clear();
                                       }));
  EXPECT_GT(labels.pixels, 40);
  EXPECT_LT(labels.box.top(), frame.height() / 8) << "labels in the top corners";
  EXPECT_GT(labels.box.bottom(), frame.height() * 7 / 8) << "and the bottom ones";

  const Difference names = difference(frame, frameWith([](Game& h) {
                                        for (auto& b : h.solar.bodies) b.name.clear();
                                      }));
  EXPECT_GT(names.pixels, 40) << "body names";

  const Difference second = difference(frame, frameWith([](Game& h) { h.combatantCount = 1; }));
  const Difference first = difference(frameWith([](Game& h) { h.combatantCount = 1; }),
                                      frameWith([](Game& h) { h.combatantCount = 0; }));
  EXPECT_GT(first.pixels, 100) << "the player's fighter: figure, labels, trail";
  EXPECT_GT(second.pixels, 100) << "the opponent";
  EXPECT_TRUE(first.box.intersects(QRect(centre - QPoint(200, 200), QSize(400, 400))));

  for (int h = 0; h < 2; ++h) {
    const Difference trail =
        difference(frame, frameWith([h](Game& x) { x.cellHistory[h].fill(0); }));
    EXPECT_GT(trail.pixels, 20) << "trail " << h + 1;
  }
  EXPECT_TRUE(errors_.empty()) << errors_.front();
}

TEST_F(Arena, GridPassPicksTheCellDrawnUnderThePixel) {
  const KeepGame keep;
  Game& g = game();
  // The grid alone on an invisible globe: no fighters, graves or cursor.
  g.gridOverlay = true;
  g.texturedGlobe = false;
  g.cursorShown = false;
  g.combatantCount = 0;
  g.graveyard.count = 0;
  view().grabFrame();  // the next frames start from the state a grid frame leaves
  const QImage withCells = view().grabFrame();

  // A cell whose star lies behind the viewer: taking the cell away from the
  // grid changes nothing but its cube. The first such cube on screen is it.
  int cell = 0;
  Difference cube;
  for (int c = 1; c <= kCellCount && cell == 0; ++c) {
    if (cellPosition(g.world, c).z < 0.3L || c == cornerCell(g.world, 9)) continue;
    cube = difference(withCells, frameWith([c](Game& h) {
                        h.world.cells[c] = {1000.0L, 0.0L, 0.0L};
                      }));
    if (cube.pixels > 4) cell = c;
  }
  ASSERT_NE(cell, 0) << "no cell's cube on screen";
  ASSERT_LT(cube.box.width(), 30) << "one cube, nothing else";

  view().makeCurrent();
  const auto picked = view().painter().pickAt(cube.box.center().x(), cube.box.center().y());
  const auto corner = view().painter().pickAt(2, 2);
  view().doneCurrent();
  ASSERT_TRUE(picked.has_value());
  EXPECT_EQ(*picked, static_cast<std::uint32_t>(cell));
  EXPECT_FALSE(corner.has_value() && *corner != 0) << "no cell in the corner";
  EXPECT_EQ(difference(view().grabFrame(), withCells).pixels, 0)
      << "the picks leave the projection as they found it";
  EXPECT_TRUE(errors_.empty()) << errors_.front();
}

// The views keep the GL state and the component values each frame leaves,
// so both paint the same frames first: one with a zap (its line width
// stays) and one more.
TEST_F(Arena, TextureObjectsPaintWhatReuploadingPaints) {
  const KeepGame keep;
  ArenaView reupload(game(), nullptr, render::TextureMode::Reupload);
  reupload.setErrorReport([](const std::string& m) { errors_.push_back(m); });
  ASSERT_FALSE(reupload.loadGraphics().has_value());
  reupload.resize(view().size());
  reupload.show();
  runEventsFor(300);
  Game& g = game();
  g.cursorShown = true;
  g.gridOverlay = true;
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
  EXPECT_TRUE(errors_.empty()) << errors_.front();
}

TEST_F(Arena, TheViewportFollowsTheWindow) {
  QWidget* main = app_->mainWindow();
  const QSize before = main->size();
  main->resize(before - QSize(120, 80));
  runEventsFor(200);
  EXPECT_EQ(view().grabFrame().size(), view().size());
  main->resize(before);
  runEventsFor(200);
  EXPECT_EQ(view().grabFrame().size(), view().size());
  EXPECT_TRUE(errors_.empty()) << errors_.front();
}

TEST(ArenaFont, ProportionalSerifGlyphsStandOnTheBaseline) {
  const render::GlyphSet glyphs = rasteriseGlyphs();
  const auto glyph = [&](char c) -> const render::GlyphBitmap& {
    return glyphs[static_cast<std::size_t>(c - render::kFirstGlyph)];
  };
  EXPECT_EQ(glyph(' ').width, 0);
  EXPECT_GT(glyph(' ').advance, 0.0f);
  EXPECT_EQ(glyph('A').yorig, 0.0f) << "capitals sit on the baseline";
  EXPECT_GT(glyph('g').yorig, 0.0f) << "descenders hang below it";
  EXPECT_LT(glyph('i').advance, glyph('W').advance);
  for (const render::GlyphBitmap& g : glyphs) {
    EXPECT_LE(g.height, 20) << "a cell 20 pixels high";
    EXPECT_EQ(g.rows.size(), static_cast<std::size_t>(g.rowBytes() * g.height));
  }
  // The cell of a metric-compatible Times New Roman: ascent and descent of
  // about 0.891 and 0.216 em, so a capital is some 12 pixels tall.
  EXPECT_GE(glyph('H').height, 11);
  EXPECT_LE(glyph('H').height, 14);
}

TEST(ShippedTextures, QtReadsEveryFileAsTheGameDoes) {
  const QDir game(VORLUND_GAME_DIR);
  for (int k = 0; k < render::kTextureCount; ++k) {
    const std::string name = render::PlanetTextures::fileName(k);
    const QImage image(game.filePath(QString::fromStdString(name)));
    ASSERT_FALSE(image.isNull()) << name;
    const render::BitmapRead read =
        render::ReadBitmap(game.filePath(QString::fromStdString(name)).toStdString());
    ASSERT_EQ(read.fault, render::BitmapFault::None) << name;
    ASSERT_EQ(image.width(), read.image.width) << name;
    ASSERT_EQ(image.height(), read.image.height) << name;
    // The reader keeps the rows bottom-up: its first pixel is Qt's bottom-left.
    const QRgb p = image.pixel(0, image.height() - 1);
    EXPECT_EQ(qRed(p), read.image.pixels[0]) << name;
    EXPECT_EQ(qGreen(p), read.image.pixels[1]) << name;
    EXPECT_EQ(qBlue(p), read.image.pixels[2]) << name;
  }
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

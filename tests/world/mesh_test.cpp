#include "world/mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "world/world_load.h"
#include "world_test_support.h"

namespace vorlund {
namespace {

using test::TestGame;
using namespace worldtest;

// Cells on the plane z = 1, so near the north pole that they count as on the
// unit sphere. A sixty-fourth scales without rounding.
constexpr long double k = 1.0L / 64;
const std::vector<Vec3> kPlane = {{0, 0, 1},
                                  {k, 0, 1},
                                  {0.3L * k, 0.9L * k, 1},
                                  {-0.6L * k, 0.8L * k, 1},
                                  {1.2L * k, 0.9L * k, 1},
                                  {0.5L * k, -0.8L * k, 1}};

struct PlaneGame : TestGame {
  explicit PlaneGame(const std::vector<int>& corners) {
    writeCellFile(dir.path(), kPlane);
    std::vector<Vec3> points;
    for (int c : corners) points.push_back(kPlane[static_cast<std::size_t>(c - 1)]);
    writeTriangleFile(dir.path(), points);
  }
};

// No points make no triangle; one or two spare points are matched to cells
// but form none, and bytes past the records are ignored.
TEST(MeshLoad, PointsBeyondWholeTrianglesFormNone) {
  PlaneGame empty({});
  ASSERT_TRUE(loadWorld(empty.g()));
  EXPECT_EQ(std::make_pair(empty.g().world.trianglesAssigned, triangleCount(empty.g().world)),
            std::make_pair(true, 0));
  PlaneGame game({1, 2, 3, 5, 6});
  for (const char* name : {"aorb1.orb", "atri1.tri"}) {
    Bytes bytes = fileBytes(game.dir.path() / name);
    bytes.resize(bytes.size() + 5, 0xab);
    writeBytes(game.dir.path() / name, bytes);
  }
  ASSERT_TRUE(loadWorld(game.g()));
  const WorldState& w = game.g().world;
  EXPECT_EQ(std::make_tuple(triangleCount(w), cornerCell(w, 4), cornerCell(w, 5)),
            std::make_tuple(1, 5, 6));
  // The centre comes from the points rounded to singles.
  EXPECT_EQ(triangleCentre(w, 1).y, (0.0L + 0.0L + 0.9f / 64) * (1.0L / 3.0L));
  EXPECT_EQ(empty.platform->beeps + game.platform->beeps, 0);
}

// No file brings two cells to one place (see below), but the matching still
// takes the highest of equal ones, and -0 equals +0.
TEST(MeshLoad, CornerTakesTheHighestOfCellsAtOnePlace) {
  WorldState w;
  allocateCellTables(w);
  for (std::size_t c = 7; c <= 12; ++c) w.cells[c] = Vec3{5, 5, 5};
  w.pointCount = 3;
  w.points = {{}, {5, 5, 5}, {3, 3, 3}, {-0.0L, 0, -0.0L}};
  w.cornerCells.assign(4, 0);
  CopyDusty(w);
  AssignTriang(w);
  EXPECT_EQ((std::vector{cornerCell(w, 1), cornerCell(w, 2), cornerCell(w, 3)}),
            (std::vector{12, 0, 1461}));
}

Bytes cellsWith(std::size_t cell, const Vec3& at) {
  std::vector<Vec3> cells;
  for (std::size_t i = 0; i < cell; ++i) cells.push_back(parkedCell(i));
  cells.back() = at;
  test::TempDir dir;
  writeCellFile(dir.path(), cells);
  return fileBytes(dir.path() / "aorb1.orb");
}

// What a file that is missing, short, lying or nonsense stops the start-up
// with: cells must be distinct points of the unit sphere, or the fighters'
// walks tie for ever, and no sphere of 1461 cells has more triangles than 2918.
TEST(MeshLoad, MissingOrDamagedFilesStopTheStart) {
  const Bytes good = cellsWith(1, parkedCell(0));
  const Bytes noTriangles = {0, 0, 0, 0};
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const std::string most = ", but a sphere of 1461 cells has no more than 8756";
  const struct {
    Bytes cells;      // empty: no cell file
    Bytes triangles;  // empty: no triangle file
    std::string message;
  } cases[] = {
      {{}, noTriangles, "Cannot open file aorb1.orb"},
      {good, {}, "Cannot open file atri1.tri"},
      {Bytes(good.begin(), good.end() - 1), noTriangles,
       "Damaged file aorb1.orb: 35063 bytes, but the 1461 cells need 35064"},
      {Bytes(35064), noTriangles, "Damaged file aorb1.orb: cell 1 lies off the unit sphere"},
      {cellsWith(7, {0, 0, 1.02L}), noTriangles,
       "Damaged file aorb1.orb: cell 7 lies off the unit sphere"},
      {cellsWith(9, {nan, 0, 1}), noTriangles, "Damaged file aorb1.orb: cell 9 is not a point"},
      {cellsWith(1461, parkedCell(3)), noTriangles,
       "Damaged file aorb1.orb: cells 4 and 1461 lie at one place"},
      {good, {1, 0}, "Damaged file atri1.tri: no point count"},
      {good, {0xfd, 0xff, 0xff, 0xff}, "Damaged file atri1.tri: negative point count -3"},
      {good, {0x35, 0x22, 0, 0}, "Damaged file atri1.tri: 8757 points" + most},
      {good, {0xff, 0xff, 0xff, 0x7f}, "Damaged file atri1.tri: 2147483647 points" + most},
      {good,
       {0x34, 0x22, 0, 0},
       "Damaged file atri1.tri: 8756 points need 210148 bytes, the file holds 4"},
  };
  for (const auto& c : cases) {
    TestGame game;
    if (!c.cells.empty()) writeBytes(game.dir.path() / "aorb1.orb", c.cells);
    if (!c.triangles.empty()) writeBytes(game.dir.path() / "atri1.tri", c.triangles);
    EXPECT_FALSE(loadWorld(game.g())) << c.message;
    EXPECT_EQ(game.platform->errors, std::vector<std::string>{c.message});
  }
}

}  // namespace
}  // namespace vorlund

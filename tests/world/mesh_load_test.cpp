#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "world/mesh_files.h"
#include "world/texture_layout.h"
#include "world/world_load.h"
#include "world_test_support.h"

namespace vorlund {
namespace {

using test::TestGame;
using worldtest::writeCellFile;
using worldtest::writeTriangleFile;

constexpr long double kPi = std::numbers::pi_v<long double>;

// A few cells on the plane z = 0, at doubles as the files hold them; triangle 1 is (1, 2, 3), each
// of 4, 5 and 6 lies across one of its edges, and 7 across the edge 2-6.
const std::vector<Vec3> kPlaneCells = {
    {0.0, 0.0, 0.0}, {1.0, 0.0, 0.0},  {0.3, 0.9, 0.0},  {-0.6, 0.8, 0.0},
    {1.2, 0.9, 0.0}, {0.5, -0.8, 0.0}, {1.4, -0.7, 0.0},
};

std::vector<Vec3> pointsOf(std::initializer_list<int> cells) {
  std::vector<Vec3> points;
  for (int c : cells) points.push_back(kPlaneCells[static_cast<std::size_t>(c - 1)]);
  return points;
}

double innerAngle(int at, int b, int c) {
  const Vec3& p = kPlaneCells[static_cast<std::size_t>(at - 1)];
  const Vec3& q = kPlaneCells[static_cast<std::size_t>(b - 1)];
  const Vec3& r = kPlaneCells[static_cast<std::size_t>(c - 1)];
  const double ux = static_cast<double>(q.x - p.x), uy = static_cast<double>(q.y - p.y);
  const double vx = static_cast<double>(r.x - p.x), vy = static_cast<double>(r.y - p.y);
  return std::acos((ux * vx + uy * vy) / std::hypot(ux, uy) / std::hypot(vx, vy));
}

// Direction of the edge from corner 1 to corner 2 in the texture plane.
long double edgeDirection(const TriangleTexture& t) {
  return std::atan2(t[1].v - t[0].v, t[1].u - t[0].u);
}

struct StripGame : TestGame {
  explicit StripGame(std::initializer_list<int> cells) {
    writeCellFile(dir.path(), kPlaneCells);
    writeTriangleFile(dir.path(), pointsOf(cells));
  }
};

void expectJoined(const WorldState& w, int t, long double psi) {
  const TriangleTexture& now = triangleTexture(w, t);
  const TriangleTexture& before = triangleTexture(w, t - 1);
  // Corner 2 lands on the previous corner 3.
  EXPECT_NEAR(static_cast<double>(now[1].u), static_cast<double>(before[2].u), 1e-12);
  EXPECT_NEAR(static_cast<double>(now[1].v), static_cast<double>(before[2].v), 1e-12);
  // The triangle is turned by psi, counter-clockwise.
  const Vec3& a = cellPosition(w, cornerCell(w, 3 * t - 2));
  const Vec3& b = cellPosition(w, cornerCell(w, 3 * t - 1));
  const Vec3& c = cellPosition(w, cornerCell(w, 3 * t));
  const TriangleTexture flat = polarLayout(a, b, c, triangleCentre(w, t));
  const long double turned =
      std::remainder(edgeDirection(now) - edgeDirection(flat) - psi, 2 * kPi);
  EXPECT_NEAR(static_cast<double>(turned), 0.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(now[2].u - now[1].u),
              static_cast<double>((flat[2].u - flat[1].u) * std::cos(psi) -
                                  (flat[2].v - flat[1].v) * std::sin(psi)),
              1e-12);
}

TEST(TextureStrip, FirstTriangleKeepsItsInnerAngles) {
  StripGame game({1, 2, 3});
  ASSERT_TRUE(loadWorld(game.g()));
  const TriangleTexture& t = triangleTexture(game.g().world, 1);
  EXPECT_NEAR(static_cast<double>(t[0].angle), innerAngle(1, 2, 3), 1e-6);
  EXPECT_NEAR(static_cast<double>(t[1].angle), innerAngle(2, 1, 3), 1e-6);
  EXPECT_NEAR(static_cast<double>(t[2].angle), innerAngle(3, 1, 2), 1e-6);
  // Corners 1 and 2 mirror each other across the u axis.
  EXPECT_NEAR(static_cast<double>(t[0].u), static_cast<double>(t[1].u), 1e-15);
  EXPECT_NEAR(static_cast<double>(t[0].v), static_cast<double>(-t[1].v), 1e-15);
  EXPECT_EQ(game.platform->beeps, 0);
}

// Case 1: the new triangle starts on the previous corner 1 and runs along its
// edge to corner 3; it turns by the previous corner-1 angle.
TEST(TextureStrip, SharedFirstAndThirdCornerTurnsByFirstAngle) {
  StripGame game({1, 2, 3, 1, 3, 4});
  ASSERT_TRUE(loadWorld(game.g()));
  const WorldState& w = game.g().world;
  const long double psi = triangleTexture(w, 1)[0].angle;
  EXPECT_NEAR(static_cast<double>(psi), innerAngle(1, 2, 3), 1e-6);
  expectJoined(w, 2, psi);
  const TriangleTexture& t = triangleTexture(w, 2);
  EXPECT_NEAR(static_cast<double>(t[0].angle - psi), innerAngle(1, 3, 4), 1e-6);
  EXPECT_NEAR(static_cast<double>(t[1].angle - psi), innerAngle(3, 1, 4), 1e-6);
  EXPECT_NEAR(static_cast<double>(t[2].angle), innerAngle(4, 1, 3), 1e-6);
  EXPECT_EQ(game.platform->beeps, 0);
}

// Case 2: the new triangle runs from the previous corner 3 to corner 2 and
// turns by the previous corner-2 angle.
TEST(TextureStrip, SharedThirdAndSecondCornerTurnsBySecondAngle) {
  StripGame game({1, 2, 3, 3, 2, 5});
  ASSERT_TRUE(loadWorld(game.g()));
  const WorldState& w = game.g().world;
  const long double psi = triangleTexture(w, 1)[1].angle;
  EXPECT_NEAR(static_cast<double>(psi), innerAngle(2, 1, 3), 1e-6);
  expectJoined(w, 2, psi);
  EXPECT_NEAR(static_cast<double>(triangleTexture(w, 2)[0].angle - psi), innerAngle(3, 2, 5), 1e-6);
  EXPECT_EQ(game.platform->beeps, 0);
}

// Case 3: the new triangle runs back along the previous first edge: half a turn.
TEST(TextureStrip, ReversedFirstEdgeTurnsHalfway) {
  StripGame game({1, 2, 3, 2, 1, 6, 2, 6, 7});
  ASSERT_TRUE(loadWorld(game.g()));
  const WorldState& w = game.g().world;
  expectJoined(w, 2, kPi);
  EXPECT_NEAR(static_cast<double>(triangleTexture(w, 2)[2].angle), innerAngle(6, 2, 1), 1e-6);
  // And the strip goes on from there (case 1).
  expectJoined(w, 3, triangleTexture(w, 2)[0].angle);
  EXPECT_EQ(game.platform->beeps, 0);
}

TEST(TextureStrip, TriangleThatBreaksTheStripBeepsAndStaysBlank) {
  // (1, 2, 6) shares the edge 1-2 but runs it the same way round; (4, 5, 6)
  // shares no edge at all. Each beeps once, and the strip goes on after them.
  StripGame game({1, 2, 3, 1, 2, 6, 4, 5, 6, 5, 4, 3});
  ASSERT_TRUE(loadWorld(game.g()));
  EXPECT_EQ(game.platform->beeps, 2);
  const WorldState& w = game.g().world;
  for (int t : {2, 3}) {
    for (const TextureCorner& c : triangleTexture(w, t)) {
      EXPECT_EQ(c.u, 0.0L);
      EXPECT_EQ(c.v, 0.0L);
      EXPECT_EQ(c.angle, 0.0L);
    }
  }
  // Triangle 4 joins the blank triangle 3 by case 3, onto its zero corner 3.
  expectJoined(w, 4, kPi);
}

TEST(TextureStrip, PreviousAngleIsBroughtWithinOneTurnOnce) {
  StripGame game({1, 2, 3, 1, 3, 4});
  ASSERT_TRUE(loadWorld(game.g()));
  WorldState& w = game.g().world;
  const long double own =
      polarLayout(kPlaneCells[0], kPlaneCells[2], kPlaneCells[3], triangleCentre(w, 2))[0].angle;
  const struct {
    long double previous;
    long double psi;
  } cases[] = {{2 * kPi, 2 * kPi},
               {-0.5L, 2 * kPi - 0.5L},
               {7.0L, 7.0L - 2 * kPi},
               {-7.0L, -7.0L + 2 * kPi},
               {0.0L, 0.0L}};
  for (const auto& c : cases) {
    w.texture[1][0].angle = c.previous;
    ASSERT_TRUE(layOutTriangle(w, 2));
    EXPECT_EQ(triangleTexture(w, 2)[0].angle, own + c.psi) << "previous angle " << c.previous;
  }
}

TEST(MeshLoad, NoPointsIsAnEmptyMesh) {
  TestGame game;
  writeCellFile(game.dir.path(), kPlaneCells);
  writeTriangleFile(game.dir.path(), {});
  ASSERT_TRUE(loadWorld(game.g()));
  EXPECT_TRUE(game.g().world.meshCopied);
  EXPECT_TRUE(game.g().world.trianglesAssigned);
  EXPECT_EQ(triangleCount(game.g().world), 0);
  EXPECT_EQ(game.platform->beeps, 0);
  EXPECT_TRUE(game.platform->errors.empty());
}

TEST(MeshLoad, SparePointsAreMatchedButFormNoTriangle) {
  TestGame game;
  writeCellFile(game.dir.path(), kPlaneCells);
  writeTriangleFile(game.dir.path(), pointsOf({1, 2, 3, 5, 6}));
  ASSERT_TRUE(loadWorld(game.g()));
  const WorldState& w = game.g().world;
  EXPECT_EQ(triangleCount(w), 1);
  EXPECT_EQ(cornerCell(w, 4), 5);
  EXPECT_EQ(cornerCell(w, 5), 6);
  EXPECT_EQ(cornerCell(w, 6), 0);
  // The centre is taken from the points rounded to singles.
  const long double x = (static_cast<long double>(0.0f) + static_cast<long double>(1.0f) +
                         static_cast<long double>(0.3f)) *
                        (1.0L / 3.0L);
  EXPECT_EQ(triangleCentre(w, 1).x, x);
}

TEST(MeshLoad, CornerTakesTheHighestOfCellsAtOnePlace) {
  TestGame game;
  std::vector<Vec3> cells = kPlaneCells;
  cells.resize(12, Vec3{5.0L, 5.0L, 5.0L});  // cells 7..12 all at one place
  cells[8] = {7.0L, 0.0L, 0.0L};             // cell 9 elsewhere
  writeCellFile(game.dir.path(), cells);
  // -0 equals +0, so the last point sits on cell 1.
  writeTriangleFile(
      game.dir.path(),
      {{5.0L, 5.0L, 5.0L}, {7.0L, 0.0L, 0.0L}, {3.0L, 3.0L, 3.0L}, {-0.0L, 0.0L, -0.0L}});
  ASSERT_TRUE(loadWorld(game.g()));
  const WorldState& w = game.g().world;
  EXPECT_EQ(cornerCell(w, 1), 12);
  EXPECT_EQ(cornerCell(w, 2), 9);
  EXPECT_EQ(cornerCell(w, 3), 0);
  EXPECT_EQ(cornerCell(w, 4), 1);
}

TEST(MeshLoad, MissingOrDamagedFilesStopTheStart) {
  const struct {
    const char* what;
    std::size_t cellBytes;  // 0: no cell file
    std::vector<unsigned char> triangleBytes;
    bool writeTriangles;
    std::string message;
  } cases[] = {
      {"no cell file", 0, {}, true, "Cannot open file aorb1.orb"},
      {"no triangle file", kCellFileSize, {}, false, "Cannot open file atri1.tri"},
      {"short cell file",
       kCellFileSize - 1,
       {0, 0, 0, 0},
       true,
       "Damaged file aorb1.orb: 35063 bytes, but the 1461 cells need 35064"},
      {"no point count", kCellFileSize, {1, 0}, true, "Damaged file atri1.tri: no point count"},
      {"negative count",
       kCellFileSize,
       {0xfd, 0xff, 0xff, 0xff},
       true,
       "Damaged file atri1.tri: negative point count -3"},
      {"count past the end",
       kCellFileSize,
       {0xff, 0xff, 0xff, 0x7f},
       true,
       "Damaged file atri1.tri: 2147483647 points need 51539607532 bytes, the file holds 28"},
  };
  for (const auto& c : cases) {
    TestGame game;
    if (c.cellBytes > 0) {
      worldtest::writeBytes(game.dir.path() / "aorb1.orb", Bytes(c.cellBytes, 0));
    }
    if (c.writeTriangles) {
      Bytes tri = c.triangleBytes;
      if (tri.size() == 4) tri.resize(28, 0);  // one point after the count
      worldtest::writeBytes(game.dir.path() / "atri1.tri", tri);
    }
    EXPECT_FALSE(loadWorld(game.g())) << c.what;
    EXPECT_EQ(game.platform->errors, std::vector<std::string>{c.message}) << c.what;
  }
}

TEST(MeshLoad, BytesPastTheRecordsAreIgnored) {
  TestGame game;
  writeCellFile(game.dir.path(), kPlaneCells);
  writeTriangleFile(game.dir.path(), pointsOf({1, 2, 3}));
  for (const char* name : {"aorb1.orb", "atri1.tri"}) {
    Bytes bytes = worldtest::fileBytes(game.dir.path() / name);
    bytes.resize(bytes.size() + 5, 0xab);
    worldtest::writeBytes(game.dir.path() / name, bytes);
  }
  ASSERT_TRUE(loadWorld(game.g()));
  EXPECT_EQ(game.g().world.pointCount, 3);
  EXPECT_EQ(cellPosition(game.g().world, 3), kPlaneCells[2]);
}

}  // namespace
}  // namespace vorlund

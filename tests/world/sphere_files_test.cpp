// The hex sphere as the build ships it: "aorb1.orb" and "atri1.tri" in the game folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vorlund {
namespace {

constexpr int cellCount = 1461;

struct Point {
  double x, y, z;
  bool operator==(const Point&) const = default;
};

using Corners = std::array<int, 3>;  // cell numbers 1..1461

std::string readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint64_t littleEndian(const std::string& bytes, std::size_t at, int width) {
  std::uint64_t v = 0;
  for (int b = width - 1; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(bytes[at + b]);
  return v;
}

Point pointAt(const std::string& bytes, std::size_t at) {
  return {std::bit_cast<double>(littleEndian(bytes, at, 8)),
          std::bit_cast<double>(littleEndian(bytes, at + 8, 8)),
          std::bit_cast<double>(littleEndian(bytes, at + 16, 8))};
}

double distance(Point a, Point b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                   (a.z - b.z) * (a.z - b.z));
}

// Both files read once; corners are matched to cells by exact equality, as the game does.
class SphereFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::filesystem::path dir = VORLUND_GAME_DIR;
    orb = readBytes(dir / "aorb1.orb");
    tri = readBytes(dir / "atri1.tri");
    cells.clear();
    strip.clear();
    unmatched = 0;
    if (orb.size() < 24 * cellCount || tri.size() < 4) return;
    for (int c = 0; c < cellCount; ++c) cells.push_back(pointAt(orb, 24 * c));
    std::map<std::array<std::uint64_t, 3>, int> cellAt;
    for (int c = 0; c < cellCount; ++c)
      cellAt[{std::bit_cast<std::uint64_t>(cells[c].x), std::bit_cast<std::uint64_t>(cells[c].y),
              std::bit_cast<std::uint64_t>(cells[c].z)}] = c + 1;
    const auto points = static_cast<std::int32_t>(littleEndian(tri, 0, 4));
    if (points < 0 || tri.size() != 4 + 24 * static_cast<std::size_t>(points)) return;
    for (int t = 0; t + 3 <= points; t += 3) {
      Corners corners{};
      for (int k = 0; k < 3; ++k) {
        const Point p = pointAt(tri, 4 + 24 * static_cast<std::size_t>(t + k));
        auto it = cellAt.find({std::bit_cast<std::uint64_t>(p.x), std::bit_cast<std::uint64_t>(p.y),
                               std::bit_cast<std::uint64_t>(p.z)});
        corners[k] = it == cellAt.end() ? 0 : it->second;
        unmatched += it == cellAt.end();
      }
      strip.push_back(corners);
    }
  }

  void SetUp() override {
    ASSERT_FALSE(orb.empty() || tri.empty())
        << "no sphere files in " << VORLUND_GAME_DIR << "; build the sphere_files target";
  }

  // The distinct triangles of the strip, each as its three cells in ascending order.
  static std::set<Corners> distinctTriangles() {
    std::set<Corners> distinct;
    for (Corners t : strip) {
      std::sort(t.begin(), t.end());
      distinct.insert(t);
    }
    return distinct;
  }

  // Cells sharing a triangle edge, indexed by cell number.
  static std::vector<std::set<int>> meshNeighbours() {
    std::vector<std::set<int>> near(cellCount + 1);
    for (const Corners& t : strip)
      for (int k = 0; k < 3; ++k) {
        near[t[k]].insert(t[(k + 1) % 3]);
        near[t[(k + 1) % 3]].insert(t[k]);
      }
    return near;
  }

  static std::vector<int> stepsFrom(int from) {
    const auto near = meshNeighbours();
    std::vector<int> steps(cellCount + 1, -1), queue{from};
    steps[from] = 0;
    for (std::size_t k = 0; k < queue.size(); ++k)
      for (int next : near[queue[k]])
        if (steps[next] < 0) {
          steps[next] = steps[queue[k]] + 1;
          queue.push_back(next);
        }
    return steps;
  }

  static inline std::string orb, tri;
  static inline std::vector<Point> cells;
  static inline std::vector<Corners> strip;
  static inline int unmatched = 0;
};

TEST_F(SphereFiles, FilesHaveTheGamesSizes) {
  EXPECT_EQ(orb.size(), 35064u);
  ASSERT_GE(tri.size(), 4u);
  const auto points = static_cast<std::int32_t>(littleEndian(tri, 0, 4));
  EXPECT_GT(points, 0);
  EXPECT_EQ(points % 3, 0) << "a remainder of points would belong to no triangle";
  EXPECT_EQ(tri.size(), 4 + 24 * static_cast<std::size_t>(points));
}

TEST_F(SphereFiles, CellsAreDistinctPointsOnTheUnitSphere) {
  ASSERT_EQ(cells.size(), static_cast<std::size_t>(cellCount));
  for (int c = 0; c < cellCount; ++c)
    EXPECT_NEAR(distance(cells[c], {0, 0, 0}), 1.0, 1e-12) << "cell " << c + 1;
  // Corner matching would give a shared position to the higher cell only.
  std::set<std::array<double, 3>> seen;
  for (const Point& p : cells) seen.insert({p.x, p.y, p.z});
  EXPECT_EQ(seen.size(), cells.size());
}

TEST_F(SphereFiles, EveryCornerIsACellAndTrianglesHaveThreeCells) {
  ASSERT_FALSE(strip.empty());
  EXPECT_EQ(unmatched, 0);
  for (const Corners& t : strip)
    EXPECT_TRUE(t[0] != t[1] && t[1] != t[2] && t[2] != t[0]) << t[0] << " " << t[1] << " " << t[2];
}

// Each triangle after the first must join the one before in one of the three ways the texture
// layout knows, tested in the layout's own order; any other join beeps at start-up.
TEST_F(SphereFiles, StripNeverBreaks) {
  ASSERT_FALSE(strip.empty());
  int breaks = 0;
  for (std::size_t t = 1; t < strip.size(); ++t) {
    const int a = strip[t][0], b = strip[t][1];
    const int p1 = strip[t - 1][0], p2 = strip[t - 1][1], p3 = strip[t - 1][2];
    const bool joins = (a == p1 && b != p2 && b == p3) ||
                       (a != p1 && a != p2 && a == p3 && b != p1 && b == p2) ||
                       (a != p1 && a == p2 && b == p1);
    if (!joins && ++breaks <= 5) ADD_FAILURE() << "strip breaks before triangle " << t + 1;
  }
  EXPECT_EQ(breaks, 0);
}

// The strip's triangles close up into a sphere with no triangle missing: every edge borders
// exactly two of them, which a single lost triangle would break, and Euler's formula holds.
TEST_F(SphereFiles, StripCoversEveryTriangleOfTheSphere) {
  const auto distinct = distinctTriangles();
  EXPECT_EQ(distinct.size(), static_cast<std::size_t>(2 * cellCount - 4));
  std::map<std::pair<int, int>, int> bordering;
  for (const Corners& t : distinct) {
    ++bordering[{t[0], t[1]}];
    ++bordering[{t[1], t[2]}];
    ++bordering[{t[0], t[2]}];
  }
  EXPECT_EQ(bordering.size(), static_cast<std::size_t>(3 * cellCount - 6));
  for (const auto& [edge, count] : bordering)
    EXPECT_EQ(count, 2) << "edge " << edge.first << "-" << edge.second;
}

TEST_F(SphereFiles, TwelvePentagonsAndTheRestHexagons) {
  std::vector<int> around(cellCount + 1, 0);
  for (const Corners& t : distinctTriangles())
    for (int c : t) ++around[c];
  std::map<int, int> cellsByTriangles;
  for (int c = 1; c <= cellCount; ++c) ++cellsByTriangles[around[c]];
  EXPECT_EQ(cellsByTriangles, (std::map<int, int>{{5, 12}, {6, cellCount - 12}}));
}

// The globe is lit from outside: every triangle is wound anticlockwise seen from outside.
TEST_F(SphereFiles, TrianglesFaceOutwards) {
  ASSERT_EQ(unmatched, 0);
  int inward = 0;
  for (const Corners& t : strip) {
    const Point a = cells[t[0] - 1], b = cells[t[1] - 1], c = cells[t[2] - 1];
    const Point u{b.x - a.x, b.y - a.y, b.z - a.z}, v{c.x - a.x, c.y - a.y, c.z - a.z};
    const Point n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    inward += n.x * a.x + n.y * a.y + n.z * a.z <= 0;
  }
  EXPECT_EQ(inward, 0);
}

// The game finds a cell's neighbours as its nearest cells, so every mesh neighbour must be
// nearer than every other cell, with room to spare for single-precision distances.
TEST_F(SphereFiles, MeshNeighboursAreTheNearestCells) {
  const auto near = meshNeighbours();
  for (int c = 1; c <= cellCount; ++c) {
    double farthestNeighbour = 0, nearestOther = 10;
    for (int o = 1; o <= cellCount; ++o) {
      if (o == c) continue;
      const double d = distance(cells[c - 1], cells[o - 1]);
      if (near[c].count(o) != 0)
        farthestNeighbour = std::max(farthestNeighbour, d);
      else
        nearestOther = std::min(nearestOther, d);
    }
    ASSERT_GT(nearestOther, 1.2 * farthestNeighbour) << "cell " << c;
  }
}

// The fighters start on cells 196 and 577 with the fight distance at rest, 12, between them,
// and the view starts on cell 1272, on the way from one to the other.
TEST_F(SphereFiles, FightersStartAFightDistanceApart) {
  const auto fromFirst = stepsFrom(196), fromSecond = stepsFrom(577);
  EXPECT_GE(fromFirst[577], 10);
  EXPECT_LE(fromFirst[577], 14);
  EXPECT_EQ(fromFirst[1272] + fromSecond[1272], fromFirst[577]);
}

}  // namespace
}  // namespace vorlund

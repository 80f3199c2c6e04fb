#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "world/cell_distances.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/row_edits.h"
#include "world/world_load.h"
#include "world_test_support.h"

namespace vorlund {
namespace {

using namespace worldtest;
using Row = std::vector<std::int32_t>;
using Lines = std::vector<std::string>;

// Cells 1..n where given, the others parked far apart on the x axis.
WorldState handWorld(const std::vector<Vec3>& given = {}) {
  WorldState w;
  allocateCellTables(w);
  for (std::size_t c = 1; c <= kSphereCellCount; ++c)
    w.cells[c] = c <= given.size() ? given[c - 1] : Vec3{1000.0L + 10.0L * c, 0, 0};
  return w;
}

Row slots(const WorldState& w, int c) {
  Row row;
  for (int k = 1; k <= kNeighbourSlots; ++k) row.push_back(neighbourSlot(w, c, k));
  return row;
}

Row ring(const WorldState& w, int c, int upTo = kRingFileEntries) {
  Row row;
  for (int k = 1; k <= upTo; ++k) row.push_back(ringEntry(w, c, k));
  return row;
}

void setSlots(WorldState& w, int c, const Row& cells) {
  NeighbourRow& row = *neighbourRow(w, c);
  row = NeighbourRow{};
  for (std::size_t k = 0; k < cells.size(); ++k) row.slot[k + 1] = cells[k];
  row.count = static_cast<std::int32_t>(cells.size());
}

TEST(NeighbourSearch, EquallyNearCellsGoToTheLowerNumberAndTheEarlierPlace) {
  // Seven cells exactly 1 from cell 1; the highest, 8, is left out.
  const std::vector<Vec3> star = {{0, 0, 0},  {1, 0, 0}, {-1, 0, 0}, {0, 1, 0},
                                  {0, -1, 0}, {0, 0, 1}, {0, 0, -1}, {0.6L, 0.8L, 0}};
  WorldState w = handWorld(star);
  ASSERT_EQ(distance(cellPosition(w, 1), cellPosition(w, 8)), 1.0f);
  searchNeighbours(w, CellDistances(w));
  // Found as 2..7; from 2 the walk takes the first of the four cells a quarter turn away.
  EXPECT_EQ(std::make_pair(slots(w, 1), neighbourCount(w, 1)),
            std::make_pair(Row{2, 4, 3, 5, 6, 7, 0, 0}, 6));
}

TEST(RingOrdering, TakesTheEarlierOfEqualOnesAndStaysWithinCountAnd66) {
  WorldState w = handWorld({{0, 0, 0}, {1, 0, 0}, {3, 0, 0}, {2, 0, 0}, {1, -1, 0}, {1, 1, 0}});
  RingRow& row = *ringRow(w, 1);
  row.count = 5;
  const Row given{2, 3, 6, 4, 5};
  std::copy(given.begin(), given.end(), row.entry.begin() + 1);
  orderRingRow(w, 1);
  EXPECT_EQ(ring(w, 1, 6), (Row{2, 6, 4, 3, 5, 0}));  // 6, 4 and 5 are equally near 2
  // A stale entry past the count, or one past 66, is never drawn in, though nearer.
  row = RingRow{};
  row.count = 2;
  row.entry[1] = 2, row.entry[2] = 3, row.entry[3] = 4;
  orderRingRow(w, 1);
  EXPECT_EQ(ring(w, 1, 3), (Row{2, 3, 4}));
  row.count = 68;
  row.entry.resize(68);
  row.entry[3] = 0, row.entry[67] = 4;
  orderRingRow(w, 1);
  EXPECT_EQ(std::make_pair(ring(w, 1, 3), ringEntry(w, 1, 67)), std::make_pair(Row{2, 3, 0}, 4));
}

TEST(NeighbourPruning, StrikesTheLastCellThatSharesTooLittle) {
  WorldState w = handWorld();
  setSlots(w, 1, {2, 3, 4, 9, 10, 7});
  setSlots(w, 2, {1, 3, 4, 9});
  setSlots(w, 3, {1, 2, 4});
  setSlots(w, 4, {1, 2, 3});
  setSlots(w, 9, {1, 10, 2, 3, 8});
  setSlots(w, 10, {1, 9, 2, 3, 8});
  setSlots(w, 7, {1, 12, 13, 8});  // shares only 1 and itself with cell 1's row
  setSlots(w, 8, {1, 9, 10, 7, 12, 13});
  setSlots(w, 12, {8, 13, 7, 1});
  setSlots(w, 13, {8, 12, 7, 1});
  setSlots(w, 20, {21, 22, 23, 24, 25, 26});  // three weak cells: the last goes
  for (int c : {21, 22, 23}) setSlots(w, c, {20, 21, 22, 23});
  pruneNeighbourRows(w);
  // Cell 8 sees cell 1's row as already pruned: they now share only three;
  // all four of cell 2 share enough.
  EXPECT_EQ(std::make_tuple(slots(w, 1), slots(w, 8), slots(w, 20)),
            std::make_tuple(Row{2, 3, 4, 9, 10, 0, 0, 0}, Row{9, 10, 7, 12, 13, 0, 0, 0},
                            Row{21, 22, 23, 24, 25, 0, 0, 0}));
  EXPECT_EQ(Row({neighbourCount(w, 1), neighbourCount(w, 20), neighbourCount(w, 2)}),
            Row({5, 5, 4}));
}

TEST(Antipode, FarthestCellFirstOfEqualsAndNoneUnlessBeyondOne) {
  WorldState w = handWorld();
  for (Vec3& p : w.cells) p = {0, 0, 0.5L};
  w.cells[700] = w.cells[900] = {0, 0, -5};
  EXPECT_EQ(antipodeSearch(w, {0, 0, 1}), 700);
  w.cells[700] = w.cells[900] = {0, 0, 2};  // exactly 1.0 away
  EXPECT_EQ(antipodeSearch(w, {0, 0, 1}), 0);
}

// Both tables computed on the shipped mesh (each as the installed data ships
// it), saved, and loaded by a second start; cell 10's ring is
// stretched to 70 entries before the save.
TEST(TableSetup, ComputedTablesComeBackFromTheirFiles) {
  ShippedMeshGame computed;
  ASSERT_TRUE(loadWorld(computed.g()));
  setupTables(computed.g());
  Game& g = computed.g();
  EXPECT_TRUE(g.cursorShown && g.cursorCell == 268 && g.cursorRingPos == 1 && g.poleCell == 268);
  EXPECT_EQ(g.antipodeCell, antipodeSearch(g.world, cellPosition(g.world, 268)));
  EXPECT_EQ(encodeRingTable(g.world), fileBytes(VORLUND_SHIPPED_RING_TABLE))
      << "the ring table shipped with the sphere is the one the game works out";
  RingRow& long70 = *ringRow(g.world, 10);
  long70.count = 70;
  long70.entry.resize(71);
  for (std::size_t k = 1; k <= 70; ++k) long70.entry[k] = static_cast<std::int32_t>(100 + k);
  saveRingTable(g);
  const Bytes face = encodeNeighbourTable(g.world);
  EXPECT_EQ(
      std::make_tuple(std::filesystem::file_size(computed.dir.path() / "adia2.equ"),
                      std::filesystem::exists(computed.dir.path() / "adia2.equ.tmp"), face.size()),
      std::make_tuple(391548u, false, 52596u));
  EXPECT_EQ(face, fileBytes(std::filesystem::path(VORLUND_GAME_DIR) / "face.equ"))
      << "the neighbour table shipped with the sphere is the one the game works out";
  writeBytes(computed.dir.path() / "face.equ", face);

  Game loaded;
  loaded.dir = computed.dir.path();
  ASSERT_TRUE(loadWorld(loaded));
  setupTables(loaded);
  EXPECT_TRUE(loaded.log.lines().empty());
  for (int c = 1; c <= kSphereCellCount; ++c)
    ASSERT_EQ(std::make_tuple(ringCount(loaded.world, c), ring(loaded.world, c),
                              neighbourCount(loaded.world, c), slots(loaded.world, c)),
              std::make_tuple(ringCount(g.world, c), ring(g.world, c), neighbourCount(g.world, c),
                              slots(g.world, c)))
        << c;
  EXPECT_EQ(std::make_pair(ringEntry(loaded.world, 10, 66), ringEntry(loaded.world, 10, 67)),
            std::make_pair(166, 0));
}

Bytes withInt(Bytes bytes, std::size_t at, std::int32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    bytes[4 * at + i] = std::uint8_t(std::uint32_t(value) >> 8 * i);
  return bytes;
}

// A table file that is short or lists what no row may hold is told and
// computed afresh (one too long, scenario.unusual_files); a neighbour file
// must describe cells that touch: other cells, each once, near, each listing
// the cell back. Nothing is saved over a ring file before the tables are set
// up, and the next shutdown puts a sound one back.
TEST(TableSetup, DamagedTableFilesAreToldAndComputedAfresh) {
  test::TestGame reference;
  test::installWorld(reference.dir);
  ASSERT_TRUE(loadWorld(reference.g()));
  setupTables(reference.g());
  const WorldState& w = reference.g().world;
  const Bytes ring = fileBytes(reference.dir.path() / "adia2.equ");
  const Bytes face = fileBytes(reference.dir.path() / "face.equ");
  // Cell 1's first neighbour, a cell near it that does not touch it, and one far away.
  const std::int32_t first = neighbourSlot(w, 1, 1), far = antipodeSearch(w, cellPosition(w, 1));
  std::int32_t secondRing = 0;
  for (std::int32_t c = 2; c <= kSphereCellCount && secondRing == 0; ++c) {
    const float d = distance(cellPosition(w, 1), cellPosition(w, c));
    if (d > 0.15F && d < 0.25F) secondRing = c;
  }
  Bytes everyCellItself = face;
  for (std::int32_t c = 0; c < kSphereCellCount; ++c)
    for (std::size_t k = 1; k <= 6; ++k)
      everyCellItself = withInt(everyCellItself, 9 * c + k, c + 1);
  const std::string r = "; the ring table was computed afresh", i = "Ignored face.equ: cell 1 ",
                    n = "; the neighbour table was computed afresh";
  const auto lists = [&](std::int32_t c) { return i + "lists " + std::to_string(c); };
  const struct {
    Bytes ring, face;
    std::vector<std::string> log;
  } cases[] = {
      {Bytes(ring.begin(), ring.end() - 1),
       Bytes(face.begin(), face.end() - 1),
       {"Ignored adia2.equ: only 391547 of 391548 bytes" + r,
        "Ignored face.equ: only 52595 of 52596 bytes" + n}},
      {withInt(ring, 67 * 2, 1461),
       withInt(face, 9 * 4, -1),
       {"Ignored adia2.equ: cell 3 has a ring count of 1461" + r,
        "Ignored face.equ: cell 5 has a neighbour count of -1" + n}},
      {withInt(ring, 67 * 6 + 66, 1462),
       withInt(face, 9 * 1460 + 7, 100268),
       {"Ignored adia2.equ: cell 7 lists 1462" + r,
        "Ignored face.equ: cell 1461 lists 100268" + n}},
      {ring, everyCellItself, {i + "lists itself" + n}},
      {ring, withInt(face, 2, first), {lists(first) + " twice" + n}},
      {ring, withInt(face, 1, far), {lists(far) + ", which is not near it" + n}},
      {ring, withInt(face, 1, secondRing), {lists(secondRing) + ", which does not list it" + n}},
      {ring, withInt(face, 0, 2), {i + "has a neighbour count of 2" + n}},
      {ring, withInt(face, 3, 0), {i + "has an empty slot 3" + n}},
  };
  for (const auto& c : cases) {
    ShippedMeshGame game;
    writeBytes(game.dir.path() / "adia2.equ", c.ring);
    writeBytes(game.dir.path() / "face.equ", c.face);
    saveRingTable(game.g());  // nothing set up yet: nothing saved
    EXPECT_EQ(fileBytes(game.dir.path() / "adia2.equ"), c.ring);
    ASSERT_TRUE(loadWorld(game.g()));
    setupTables(game.g());
    EXPECT_EQ(game.g().log.lines(), c.log);
    EXPECT_EQ(encodeNeighbourTable(game.g().world), face);
    saveRingTable(game.g());
    EXPECT_EQ(fileBytes(game.dir.path() / "adia2.equ"), ring);
  }
}

TEST(TableSetup, UnreadableRingFileIsToldAndCannotBeSavedOver) {
  ShippedMeshGame game;
  std::filesystem::create_directory(game.dir.path() / "adia2.equ");
  ASSERT_TRUE(loadWorld(game.g()));
  setupTables(game.g());
  saveRingTable(game.g());
  const Lines told = {
      "Ignored adia2.equ: the file cannot be read; the ring table was computed afresh",
      "Cannot create file adia2.equ"};
  EXPECT_EQ(std::make_tuple(game.g().log.lines(), game.platform->errors,
                            std::filesystem::exists(game.dir.path() / "adia2.equ.tmp")),
            std::make_tuple(told, Lines{told[1]}, false));
}

TEST(RowEdits, StayWithinTheirRowsAndTakeOnlyCells) {
  WorldState w = handWorld();
  for (int c : {100268, 0, 1462}) addToRingRow(w, 5, c);  // pick names that are no cell
  for (int c = 1; c <= 70; ++c) addToRingRow(w, 5, c);
  Row first66(67, 0);
  std::iota(first66.begin(), first66.end() - 1, 1);
  EXPECT_EQ(ring(w, 5, 67), first66);
  EXPECT_EQ(ringCount(w, 5), 66);
  for (int c : {7, 8, 7, 9, 10, 11, 12, 13}) addToNeighbourRow(w, 5, c);
  EXPECT_EQ(slots(w, 5), (Row{7, 8, 9, 10, 11, 12, 0, 0}));
  addToRingRow(w, 1462, 3);
  EXPECT_EQ(ringEntry(w, 5, 0) + ringEntry(w, 5, 1462) + ringCount(w, 0), 0);
  EXPECT_EQ(neighbourSlot(w, 1462, 1) + neighbourSlot(w, 5, 9), 0);
}

}  // namespace
}  // namespace vorlund

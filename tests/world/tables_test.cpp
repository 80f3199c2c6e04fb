#include <gtest/gtest.h>

#include <map>

#include "world/cell_distances.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/row_edits.h"
#include "world/world_load.h"
#include "world_test_support.h"

namespace vorlund {
namespace {

using test::TestGame;
using worldtest::SpiralGame;

// All 1461 cells parked far apart on the x axis, except those given.
WorldState handWorld(const std::map<int, Vec3>& placed) {
  WorldState w;
  allocateCellTables(w);
  for (int c = 1; c <= kSphereCellCount; ++c) {
    w.cells[static_cast<std::size_t>(c)] = {1000.0L + 10.0L * c, 0.0L, 0.0L};
  }
  for (const auto& [c, p] : placed) w.cells[static_cast<std::size_t>(c)] = p;
  return w;
}

std::vector<std::int32_t> neighbourSlots(const WorldState& w, int c) {
  std::vector<std::int32_t> slots;
  for (int k = 1; k <= kNeighbourSlots; ++k) slots.push_back(neighbourSlot(w, c, k));
  return slots;
}

std::vector<std::int32_t> ringEntries(const WorldState& w, int c, int upTo) {
  std::vector<std::int32_t> entries;
  for (int k = 1; k <= upTo; ++k) entries.push_back(ringEntry(w, c, k));
  return entries;
}

void setNeighbours(WorldState& w, int c, std::vector<std::int32_t> slots) {
  NeighbourRow& row = *neighbourRow(w, c);
  row = NeighbourRow{};
  for (std::size_t k = 0; k < slots.size(); ++k) {
    row.slot[k + 1] = slots[k];
    if (slots[k] != 0) ++row.count;
  }
}

void expectSameTables(const WorldState& a, const WorldState& b) {
  for (int c = 1; c <= kSphereCellCount; ++c) {
    ASSERT_EQ(ringCount(a, c), ringCount(b, c)) << "cell " << c;
    ASSERT_EQ(ringEntries(a, c, kRingFileEntries), ringEntries(b, c, kRingFileEntries)) << c;
    ASSERT_EQ(neighbourCount(a, c), neighbourCount(b, c)) << "cell " << c;
    ASSERT_EQ(neighbourSlots(a, c), neighbourSlots(b, c)) << "cell " << c;
  }
}

// A spiral-sphere game with both tables set up, computed from scratch.
struct ComputedGame : SpiralGame {
  ComputedGame() {
    EXPECT_TRUE(loadWorld(g()));
    setupTables(g());
  }
};

TEST(NeighbourSearch, EquallyNearCellsGoToTheLowerNumberAndTheEarlierPlace) {
  // Seven cells exactly one away from cell 10; 40 is the one left out.
  WorldState w = handWorld({{10, {0, 0, 0}},
                            {3, {1, 0, 0}},
                            {5, {-1, 0, 0}},
                            {8, {0, 1, 0}},
                            {12, {0, -1, 0}},
                            {20, {0, 0, 1}},
                            {30, {0, 0, -1}},
                            {40, {0.6L, 0.8L, 0}}});
  ASSERT_EQ(distance(cellPosition(w, 10), cellPosition(w, 40)), 1.0f);
  searchNeighbours(w, CellDistances(w));
  // Found as 3 5 8 12 20 30; from 3 the walk takes the first of the four
  // cells a quarter turn away, and so on round.
  EXPECT_EQ(neighbourSlots(w, 10), (std::vector<std::int32_t>{3, 8, 5, 12, 20, 30, 0, 0}));
  EXPECT_EQ(neighbourCount(w, 10), 6);
}

TEST(RingOrdering, WalksToTheNearestAndTakesTheEarlierOfEqualOnes) {
  WorldState w = handWorld({{1, {0, 0, 0}},
                            {2, {1, 0, 0}},
                            {3, {3, 0, 0}},
                            {4, {2, 0, 0}},
                            {5, {1, -1, 0}},
                            {6, {1, 1, 0}}});
  RingRow& row = *ringRow(w, 1);
  row.count = 5;
  row.entry[1] = 2;
  row.entry[2] = 3;
  row.entry[3] = 6;  // as near to 2 as 4 and 5 are, but earlier
  row.entry[4] = 4;
  row.entry[5] = 5;
  orderRingRow(w, 1);
  // 2 -> 6 (first of 6, 4, 5) -> 4 -> 3 -> 5.
  EXPECT_EQ(ringEntries(w, 1, 6), (std::vector<std::int32_t>{2, 6, 4, 3, 5, 0}));
}

TEST(RingOrdering, LeavesEntriesPastTheCountAndPast66Alone) {
  WorldState w = handWorld({{1, {0, 0, 0}}, {2, {1, 0, 0}}, {3, {5, 0, 0}}, {4, {1.1L, 0, 0}}});
  RingRow& row = *ringRow(w, 1);
  // A stale 4 past the count must not come back into the ring.
  row.count = 2;
  row.entry[1] = 2;
  row.entry[2] = 3;
  row.entry[3] = 4;
  orderRingRow(w, 1);
  EXPECT_EQ(ringEntries(w, 1, 3), (std::vector<std::int32_t>{2, 3, 4}));
  // A ring longer than the file keeps its tail where it is.
  *ringRow(w, 1) = RingRow{};
  row.count = 68;
  row.entry[1] = 2;
  row.entry[2] = 3;
  row.entry[67] = 4;
  orderRingRow(w, 1);
  EXPECT_EQ(ringEntries(w, 1, 3), (std::vector<std::int32_t>{2, 3, 0}));
  EXPECT_EQ(ringEntry(w, 1, 67), 4);
}

TEST(NeighbourPruning, StrikesTheCellThatSharesTooLittle) {
  WorldState w = handWorld({});
  setNeighbours(w, 1, {2, 3, 4, 9, 10, 7});
  setNeighbours(w, 2, {1, 3, 4, 9});
  setNeighbours(w, 3, {1, 2, 4});
  setNeighbours(w, 4, {1, 2, 3});
  setNeighbours(w, 9, {1, 10, 2, 3, 8});
  setNeighbours(w, 10, {1, 9, 2, 3, 8});
  // 7 shares only itself and 1 with cell 1's row, but plenty with 8's.
  setNeighbours(w, 7, {1, 12, 13, 8});
  setNeighbours(w, 8, {1, 9, 10, 7, 12, 13});
  setNeighbours(w, 12, {8, 13, 7, 1});
  setNeighbours(w, 13, {8, 12, 7, 1});
  // Three weak cells in one row: the last of them goes.
  setNeighbours(w, 20, {21, 22, 23, 24, 25, 26});
  setNeighbours(w, 21, {20, 22, 23});
  setNeighbours(w, 22, {20, 21, 23});
  setNeighbours(w, 23, {20, 21, 22});
  pruneNeighbourRows(w);
  EXPECT_EQ(neighbourSlots(w, 1), (std::vector<std::int32_t>{2, 3, 4, 9, 10, 0, 0, 0}));
  EXPECT_EQ(neighbourCount(w, 1), 5);
  // With 7 gone from cell 1's row, 1 and 8 share only three cells: cell 8
  // sees the row of cell 1 as it was pruned.
  EXPECT_EQ(neighbourSlots(w, 8), (std::vector<std::int32_t>{9, 10, 7, 12, 13, 0, 0, 0}));
  EXPECT_EQ(neighbourCount(w, 8), 5);
  EXPECT_EQ(neighbourSlots(w, 20), (std::vector<std::int32_t>{21, 22, 23, 24, 25, 0, 0, 0}));
  EXPECT_EQ(neighbourCount(w, 20), 5);
  EXPECT_EQ(neighbourCount(w, 2), 4);  // shares enough with each of its four
}

TEST(Antipode, FarthestCellFirstOfEqualsAndNoneBeyondOne) {
  WorldState w = handWorld({});
  for (int c = 1; c <= kSphereCellCount; ++c) w.cells[static_cast<std::size_t>(c)] = {0, 0, 0.5L};
  w.cells[700] = {0, 0, -5};
  w.cells[900] = {0, 0, -5};
  EXPECT_EQ(antipodeSearch(w, {0, 0, 1}), 700);
  // Exactly 1.0 away is not beyond 1.0.
  w.cells[700] = w.cells[900] = {0, 0, 2};
  EXPECT_EQ(antipodeSearch(w, {0, 0, 1}), 0);
}

TEST(TableSetup, ComputesBothTablesSetsTheCursorAndSavesTheRingFile) {
  ComputedGame game;
  const WorldState& w = game.g().world;
  EXPECT_TRUE(game.g().log.lines.empty());
  EXPECT_TRUE(game.g().cursorShown);
  EXPECT_EQ(game.g().cursorCell, 268);
  EXPECT_EQ(game.g().cursorRingPos, 1);
  EXPECT_EQ(game.g().poleCell, 268);
  EXPECT_EQ(game.g().antipodeCell, antipodeSearch(w, cellPosition(w, 268)));
  EXPECT_GT(distance(cellPosition(w, 268), cellPosition(w, game.g().antipodeCell)), 1.99f);
  for (int c = 1; c <= kSphereCellCount; ++c) {
    ASSERT_GE(neighbourCount(w, c), 5) << c;
    ASSERT_LE(neighbourCount(w, c), 6) << c;
    ASSERT_GT(ringCount(w, c), 0) << c;
  }

  saveRingTable(game.g());
  EXPECT_EQ(std::filesystem::file_size(game.dir.path() / "adia2.equ"), 391548u);
  EXPECT_FALSE(std::filesystem::exists(game.dir.path() / "adia2.equ.tmp"));
  EXPECT_EQ(encodeNeighbourTable(w).size(), 52596u);
  EXPECT_FALSE(std::filesystem::exists(game.dir.path() / "face.equ"));
}

TEST(TableSetup, LoadedTablesEqualComputedOnesAndAreUsedAsTheyAre) {
  ComputedGame computed;
  saveRingTable(computed.g());
  Bytes face = encodeNeighbourTable(computed.g().world);
  worldtest::writeBytes(computed.dir.path() / "face.equ", face);

  Game loaded;
  loaded.dir = computed.dir.path();
  ASSERT_TRUE(loadWorld(loaded));
  setupTables(loaded);
  EXPECT_TRUE(loaded.log.lines.empty());
  expectSameTables(computed.g().world, loaded.world);

  // What the files say is what the tables hold, even where a computation
  // would say otherwise.
  Bytes ring = worldtest::fileBytes(computed.dir.path() / "adia2.equ");
  ring[67 * 4 * 4] = 0;     // cell 5: empty ring
  face[9 * 4 * 6 + 4] = 0;  // cell 7: slot 1 emptied
  face[9 * 4 * 6 + 5] = 0;
  worldtest::writeBytes(computed.dir.path() / "adia2.equ", ring);
  worldtest::writeBytes(computed.dir.path() / "face.equ", face);
  Game edited;
  edited.dir = computed.dir.path();
  ASSERT_TRUE(loadWorld(edited));
  setupTables(edited);
  EXPECT_EQ(ringCount(edited.world, 5), 0);
  EXPECT_EQ(ringEntry(edited.world, 5, 1), ringEntry(computed.g().world, 5, 1));
  EXPECT_EQ(neighbourSlot(edited.world, 7, 1), 0);
  EXPECT_EQ(neighbourSlot(edited.world, 7, 2), neighbourSlot(computed.g().world, 7, 2));
}

TEST(TableSetup, RingLongerThanTheFileKeepsItsCount) {
  ComputedGame game;
  RingRow& row = *ringRow(game.g().world, 10);
  row.count = 70;
  for (int k = 1; k <= 70; ++k) row.entry[static_cast<std::size_t>(k)] = 100 + k;
  saveRingTable(game.g());

  Game loaded;
  loaded.dir = game.dir.path();
  ASSERT_TRUE(loadWorld(loaded));
  setupTables(loaded);
  EXPECT_EQ(ringCount(loaded.world, 10), 70);
  EXPECT_EQ(ringEntry(loaded.world, 10, 1), 101);
  EXPECT_EQ(ringEntry(loaded.world, 10, 66), 166);
  EXPECT_EQ(ringEntry(loaded.world, 10, 67), 0);
  EXPECT_EQ(ringEntry(loaded.world, 10, 70), 0);
  EXPECT_TRUE(loaded.log.lines.empty());
}

TEST(TableSetup, DamagedTableFilesAreIgnoredAndComputedAfresh) {
  ComputedGame reference;
  saveRingTable(reference.g());
  const Bytes goodRing = worldtest::fileBytes(reference.dir.path() / "adia2.equ");
  const Bytes goodFace = encodeNeighbourTable(reference.g().world);
  const auto patched = [](Bytes bytes, std::size_t intIndex, std::int32_t value) {
    Bytes field;
    appendInt32(field, value);
    std::copy(field.begin(), field.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(intIndex * 4));
    return bytes;
  };
  const auto shortened = [](Bytes bytes) {
    bytes.pop_back();
    return bytes;
  };
  const struct {
    Bytes ring;
    Bytes face;
    std::vector<std::string> log;
  } cases[] = {
      {shortened(goodRing),
       shortened(goodFace),
       {"Ignored adia2.equ: only 391547 of 391548 bytes; the ring table was computed afresh",
        "Ignored face.equ: only 52595 of 52596 bytes; the neighbour table was computed afresh"}},
      {patched(goodRing, 67 * 2, 1461),
       patched(goodFace, 9 * 1460, 7),
       {"Ignored adia2.equ: cell 3 has a ring count of 1461; the ring table was computed afresh",
        "Ignored face.equ: cell 1461 has a neighbour count of 7; the neighbour table was computed "
        "afresh"}},
      {patched(goodRing, 0, -1),
       patched(goodFace, 9 * 4, -1),
       {"Ignored adia2.equ: cell 1 has a ring count of -1; the ring table was computed afresh",
        "Ignored face.equ: cell 5 has a neighbour count of -1; the neighbour table was computed "
        "afresh"}},
      {patched(goodRing, 67 * 6 + 66, 1462),
       patched(goodFace, 9 * 2 + 8, -5),
       {"Ignored adia2.equ: cell 7 lists 1462; the ring table was computed afresh",
        "Ignored face.equ: cell 3 lists -5; the neighbour table was computed afresh"}},
      {goodRing,
       patched(goodFace, 9 * 1460 + 7, 100268),
       {"Ignored face.equ: cell 1461 lists 100268; the neighbour table was computed afresh"}},
  };
  for (const auto& c : cases) {
    SpiralGame game;
    worldtest::writeBytes(game.dir.path() / "adia2.equ", c.ring);
    worldtest::writeBytes(game.dir.path() / "face.equ", c.face);
    ASSERT_TRUE(loadWorld(game.g()));
    setupTables(game.g());
    EXPECT_EQ(game.g().log.lines, c.log);
    expectSameTables(reference.g().world, game.g().world);
    // The next shutdown puts a sound ring file back.
    saveRingTable(game.g());
    EXPECT_EQ(worldtest::fileBytes(game.dir.path() / "adia2.equ"), goodRing);
  }
}

TEST(TableSetup, UnreadableRingFileIsIgnoredAndSavingReportsWhatFailed) {
  SpiralGame game;
  std::filesystem::create_directory(game.dir.path() / "adia2.equ");
  ASSERT_TRUE(loadWorld(game.g()));
  setupTables(game.g());
  EXPECT_EQ(game.g().log.lines,
            std::vector<std::string>{"Ignored adia2.equ: the file cannot be read; the ring table "
                                     "was computed afresh"});
  saveRingTable(game.g());
  EXPECT_EQ(game.platform->errors, std::vector<std::string>{"Cannot create file adia2.equ"});
  EXPECT_FALSE(std::filesystem::exists(game.dir.path() / "adia2.equ.tmp"));
}

TEST(TableSetup, RingTableNeverSetUpIsNotSaved) {
  TestGame game;
  const Bytes old = {1, 2, 3};
  worldtest::writeBytes(game.dir.path() / "adia2.equ", old);
  saveRingTable(game.g());
  EXPECT_EQ(worldtest::fileBytes(game.dir.path() / "adia2.equ"), old);
}

TEST(RowEdits, StayWithinTheirRowsAndTakeOnlyCells) {
  WorldState w = handWorld({});
  addToRingRow(w, 5, 100268);  // a ring marker's pick name is no cell
  addToRingRow(w, 5, 0);
  addToRingRow(w, 1462, 3);
  EXPECT_EQ(ringCount(w, 5), 0);
  for (int c = 1; c <= 70; ++c) addToRingRow(w, 5, c);
  addToRingRow(w, 5, 3);
  EXPECT_EQ(ringCount(w, 5), 66);
  EXPECT_EQ(ringEntry(w, 5, 66), 66);
  EXPECT_EQ(ringEntry(w, 5, 67), 0);

  for (int c : {7, 8, 7, 9, 8, 10, 11, 12}) addToNeighbourRow(w, 5, c);
  EXPECT_EQ(neighbourSlots(w, 5), (std::vector<std::int32_t>{7, 8, 9, 10, 11, 12, 0, 0}));
  NeighbourRow& row = *neighbourRow(w, 5);
  row.slot[4] = 7;  // 7 twice: the later one goes
  removeFromNeighbourRow(w, 5, 7);
  EXPECT_EQ(neighbourSlots(w, 5), (std::vector<std::int32_t>{7, 8, 9, 11, 12, 0, 0, 0}));
  removeFromNeighbourRow(w, 5, 12);
  removeFromNeighbourRow(w, 5, 99);
  EXPECT_EQ(neighbourSlots(w, 5), (std::vector<std::int32_t>{7, 8, 9, 11, 0, 0, 0, 0}));
  reverseNeighbourRow(w, 5);
  EXPECT_EQ(neighbourSlots(w, 5), (std::vector<std::int32_t>{11, 9, 8, 7, 0, 0, 0, 0}));
  EXPECT_EQ(neighbourCount(w, 5), 4);
  row.slot[7] = 3;
  emptyNeighbourRow(w, 5);
  EXPECT_EQ(neighbourSlots(w, 5), (std::vector<std::int32_t>{0, 0, 0, 0, 0, 0, 3, 0}));
  EXPECT_EQ(neighbourCount(w, 5), 0);

  // Out-of-range reads give nothing rather than another row's data.
  EXPECT_EQ(ringCount(w, 0), 0);
  EXPECT_EQ(ringEntry(w, 5, 0), 0);
  EXPECT_EQ(ringEntry(w, 5, 1462), 0);
  EXPECT_EQ(neighbourSlot(w, 1462, 1), 0);
  EXPECT_EQ(neighbourSlot(w, 5, 9), 0);
  EXPECT_EQ(cellPosition(w, 1462), Vec3{});
}

}  // namespace
}  // namespace vorlund

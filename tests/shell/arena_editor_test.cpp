#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "shell/input.h"
#include "shell/pointer_input.h"
#include "shell/startup.h"
#include "support/test_game.h"
#include "world/ring_table.h"
#include "world/row_edits.h"

namespace vorlund {
namespace {

using Row = std::vector<std::int32_t>;

// A started game on the shipped sphere and its tables.
struct Arena : test::TestGame {
  Arena() {
    test::installWorld(dir);
    EXPECT_TRUE(startGame(g(), 1));
  }
  void key(int code, KeyModifiers mods = {}) { formKeyDown(g(), code, mods); }
  void setRing(std::int32_t c, const Row& cells) {
    RingRow& row = *ringRow(g().world, c);
    row = RingRow{};
    for (std::size_t k = 0; k < cells.size(); ++k) row.entry[k + 1] = cells[k];
    row.count = static_cast<std::int32_t>(cells.size());
  }
  Row ring(std::int32_t c) {
    Row row;
    for (int k = 1; k <= ringCount(g().world, c); ++k) row.push_back(ringEntry(g().world, c, k));
    return row;
  }
  Row neighbours(std::int32_t c) {
    Row row;
    for (int k = 1; k <= neighbourCount(g().world, c); ++k)
      row.push_back(neighbourSlot(g().world, c, k));
    return row;
  }
};

TEST(CursorKeys, UpAndDownWrapAndTakeTheirPoles) {
  Arena a;
  Game& g = a.g();
  g.cursorCell = 1461;
  g.cursorShown = false;
  g.cursorRingPos = 5;
  a.key(kVkUp);
  EXPECT_EQ(std::tie(g.cursorCell, g.poleCell, g.cursorRingPos, g.cursorShown),
            std::make_tuple(1, 1, 1, true));
  EXPECT_EQ(g.antipodeCell, antipodeSearch(g.world, cellPosition(g.world, 1)));

  // Down neither resets the ring position nor shows the cursor.
  g.cursorShown = false;
  g.cursorRingPos = 5;
  a.key(kVkDown);
  EXPECT_EQ(std::tie(g.cursorCell, g.poleCell, g.cursorRingPos, g.cursorShown),
            std::make_tuple(1461, 1461, 5, false));
  EXPECT_EQ(g.antipodeCell, antipodeSearch(g.world, cellPosition(g.world, 1461)));
  EXPECT_NE(g.antipodeCell, 0);

  // Only a position below 1 is brought into the new cell's ring.
  g.cursorRingPos = 0;
  a.key(kVkDown);
  EXPECT_EQ(g.cursorRingPos, ringCount(g.world, 1460));
}

TEST(CursorKeys, LeftAndRightWrapAtTheRowEndsAndAnEmptyRingStaysPut) {
  Arena a;
  Game& g = a.g();
  const std::int32_t rings = ringCount(g.world, g.cursorCell);
  const std::int32_t sides = neighbourCount(g.world, g.cursorCell);
  ASSERT_GT(rings, 6);
  g.cursorRingPos = rings;
  g.cursorNeighbourPos = sides;
  a.key(kVkLeft);
  EXPECT_EQ(std::tie(g.cursorRingPos, g.cursorNeighbourPos), std::make_tuple(1, 1));
  a.key(kVkRight);
  EXPECT_EQ(std::tie(g.cursorRingPos, g.cursorNeighbourPos), std::make_tuple(rings, sides));
  a.key(kVkLeft, {.ctrl = true});  // Ctrl changes nothing about Left
  EXPECT_EQ(g.cursorRingPos, 1);

  a.setRing(g.cursorCell, {});
  for (int code : {kVkLeft, kVkRight, kVkRight}) {
    a.key(code);
    EXPECT_EQ(g.cursorRingPos, 1);
  }
  EXPECT_EQ(g.cursorNeighbourPos, sides) << "the neighbours still step";
  a.setRing(g.cursorCell + 1, {});
  g.cursorRingPos = 4;
  a.key(kVkUp);
  EXPECT_EQ(g.cursorRingPos, 1) << "Up starts an empty ring at its first position too";
}

TEST(CursorKeys, ShiftLeftReversesTheRingAndAltLeftTheNeighbours) {
  Arena a;
  Game& g = a.g();
  const std::int32_t c = g.cursorCell;
  a.setRing(c, {5, 6, 7});
  const Row sides = a.neighbours(c);
  a.key(kVkLeft, {.shift = true, .alt = true});
  EXPECT_EQ(a.ring(c), (Row{7, 6, 5}));
  EXPECT_EQ(a.neighbours(c), sides);
  a.key(kVkLeft, {.alt = true});
  EXPECT_EQ(a.neighbours(c), Row(sides.rbegin(), sides.rend()));
  EXPECT_EQ(a.ring(c), (Row{7, 6, 5}));
  EXPECT_EQ(std::tie(g.cursorRingPos, g.cursorNeighbourPos), std::make_tuple(1, 1));
}

TEST(Keys, NoOtherCodeChangesAnything) {
  Arena a;
  Game& g = a.g();
  auto view = [&g] {
    return std::make_tuple(g.viewedBody, g.gridOverlay, g.texturedGlobe, g.solarScale, g.musicOn,
                           g.cursorCell, g.cursorRingPos, g.cursorNeighbourPos, g.cursorShown,
                           g.poleCell, g.viewYaw, g.viewPitch);
  };
  const auto before = view();
  const std::size_t calls = a.platform->calls.size();
  const Row ring = a.ring(g.cursorCell);
  const Row sides = a.neighbours(g.cursorCell);
  for (int code : {-1, 0, 13, 26, 32, 36, 41, 47, 58, 65, 67, 90, 111, 122, 123, 255, 0x10026})
    a.key(code, {.shift = true, .alt = true});
  EXPECT_EQ(view(), before);
  EXPECT_EQ(a.platform->calls.size(), calls);
  EXPECT_EQ(a.ring(g.cursorCell), ring);
  EXPECT_EQ(a.neighbours(g.cursorCell), sides);
}

TEST(PickAction, FullRingTakesNoMoreAndTheLaterOfTwoEqualEntriesGoes) {
  Arena a;
  Game& g = a.g();
  Row full;
  for (int k = 1; k <= kRingFileEntries; ++k) full.push_back(k);
  a.setRing(g.cursorCell, full);
  addToRingRow(g.world, g.cursorCell, 100);
  EXPECT_EQ(a.ring(g.cursorCell), full);

  // A ring file edited by hand may hold a cell twice.
  a.setRing(g.cursorCell, {5, 9, 5, 7});
  removeFromRingRow(g.world, g.cursorCell, 5);
  EXPECT_EQ(a.ring(g.cursorCell), (Row{5, 9, 7}));
  EXPECT_EQ(ringEntry(g.world, g.cursorCell, 4), 0) << "the freed place is cleared";
}

TEST(Drag, AFullWidthTurnsByHalfAgainTheFrustumAndAFullHeightTilts) {
  Arena a;
  Game& g = a.g();
  g.viewYaw = 10.0;
  g.viewPitch = -4.0;
  formMouseDown(g, 0, 480);
  formMouseMove(g, 691, 0, 691, 480, kDesignedFrustum);
  EXPECT_DOUBLE_EQ(g.viewYaw, 10.0 + 187.5);
  EXPECT_DOUBLE_EQ(g.viewPitch, -4.0 - 100.0);
  formMouseMove(g, 0, 480, 0, 0, kDesignedFrustum);  // a window with no area
  EXPECT_DOUBLE_EQ(g.viewYaw, 197.5);
  formMouseUp(g);
  formMouseMove(g, 0, 480, 691, 480, kDesignedFrustum);
  EXPECT_DOUBLE_EQ(g.viewYaw, 197.5);
}

TEST(Wheel, WholeNotchesTiltAndTheRestWaits) {
  Arena a;
  Game& g = a.g();
  ASSERT_EQ(g.wheelScrollLines, 3);
  struct Step {
    int delta;
    double pitch;
  };
  const std::vector<Step> steps = {
      {119, 0.0},
      {1, -8.0},
      {-120, -2.0},
      {-60, -2.0},
      {-60, 4.0},
      {250, -12.0},
      {-10, -12.0},
      // The largest movement a 16-bit word carries, and nothing beyond it.
      {100000, -12.0 - 273 * 8.0}};
  for (const Step& s : steps) {
    mouseWheel(g, s.delta);
    EXPECT_DOUBLE_EQ(g.viewPitch, s.pitch) << s.delta;
  }
  EXPECT_EQ(g.wheelAccumulator, 32767 - 273 * 120);
  g.wheelScrollLines = 0;
  g.viewPitch = 0.0;
  g.wheelAccumulator = 0;
  mouseWheel(g, -120);
  mouseWheel(g, 120);
  EXPECT_EQ(g.viewPitch, -2.0);
}

}  // namespace
}  // namespace vorlund

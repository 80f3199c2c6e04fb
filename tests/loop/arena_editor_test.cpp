// The arena's keys, clicks, drag and wheel are played in the arena_input
// scenario; here are the states the sim cannot reach: the cursor at the last
// cell, an empty ring, a ring file holding a cell twice, key codes beyond a
// byte.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "loop/input.h"
#include "loop/startup.h"
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
};

TEST(CursorKeys, UpAndDownWrapAndAnEmptyRingStaysPut) {
  Arena a;
  Game& g = a.g();
  g.cursorCell = 1461;
  g.cursorShown = false;
  a.key(kVkUp);
  EXPECT_EQ(std::tie(g.cursorCell, g.poleCell, g.cursorRingPos, g.cursorShown),
            std::make_tuple(1, 1, 1, true));
  g.cursorShown = false;
  a.key(kVkDown);
  EXPECT_EQ(std::tie(g.cursorCell, g.poleCell, g.cursorShown), std::make_tuple(1461, 1461, false))
      << "Down does not show the cursor";
  EXPECT_NE(g.antipodeCell, 0);
  g.cursorRingPos = 0;  // only a position below 1 is brought into the new ring
  a.key(kVkDown);
  EXPECT_EQ(g.cursorRingPos, ringCount(g.world, 1460));

  a.setRing(g.cursorCell, {});
  const std::int32_t place = g.cursorRingPos, side = g.cursorNeighbourPos;
  for (int code : {kVkLeft, kVkRight, kVkRight}) {
    a.key(code);
    EXPECT_EQ(g.cursorRingPos, place) << code;
  }
  EXPECT_NE(g.cursorNeighbourPos, side) << "the neighbours still step";
}

// The sim's key command takes a byte; the window system may send more.
TEST(Keys, CodesBeyondTheTableChangeNothing) {
  Arena a;
  Game& g = a.g();
  auto view = [&g] {
    return std::make_tuple(g.viewedBody, g.gridOverlay, g.texturedGlobe, g.solarScale, g.musicOn,
                           g.cursorCell, g.cursorRingPos, g.cursorNeighbourPos, g.cursorShown,
                           g.viewYaw, g.viewPitch, ringCount(g.world, g.cursorCell));
  };
  const auto before = view();
  const std::size_t calls = a.platform->calls.size();
  for (int code : {-1, 256, 0x10026}) a.key(code, {.shift = true, .alt = true});
  EXPECT_EQ(view(), before);
  EXPECT_EQ(a.platform->calls.size(), calls);
}

// A ring file edited by hand may hold a cell twice: the later one goes.
TEST(PickAction, TheLaterOfTwoEqualRingEntriesGoes) {
  Arena a;
  Game& g = a.g();
  a.setRing(g.cursorCell, {5, 9, 5, 7});
  removeFromRingRow(g.world, g.cursorCell, 5);
  EXPECT_EQ(ringCount(g.world, g.cursorCell), 3);
  EXPECT_EQ(Row({ringEntry(g.world, g.cursorCell, 1), ringEntry(g.world, g.cursorCell, 2),
                 ringEntry(g.world, g.cursorCell, 3), ringEntry(g.world, g.cursorCell, 4)}),
            (Row{5, 9, 7, 0}))
      << "the freed place is cleared";
}

}  // namespace
}  // namespace vorlund

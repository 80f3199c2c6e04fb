#include "shell/random.h"

#include <gtest/gtest.h>

namespace vorlund {
namespace {

// Values worked out by hand from seed := seed * 134775813 + 1 and the high
// half of seed * n.
TEST(Random, FollowsTheRecurrence) {
  RandomGenerator r{0};
  // seed 1 -> 0; seed 134775814 -> 13477581400 >> 32 = 3
  EXPECT_EQ(r.random(100), 0);
  EXPECT_EQ(r.random(100), 3);
  EXPECT_EQ(r.random(100), 86);
  EXPECT_EQ(r.random(100), 20);
  EXPECT_EQ(r.random(100), 27);

  RandomGenerator s{12345};
  for (int expected : {2, 1, 0, 3, 3, 2}) EXPECT_EQ(s.random(6), expected);
  EXPECT_EQ(s.seed, 1467157059u);
}

TEST(Random, ZeroRangeStillAdvancesTheSeed) {
  RandomGenerator r{1};
  EXPECT_EQ(r.random(0), 0);
  EXPECT_EQ(r.random(2147483647), 1849087502);
  EXPECT_EQ(r.seed, 3698175007u);
  RandomGenerator top{0xFFFFFFFFu};
  EXPECT_EQ(top.random(1000), 968);
}

TEST(Random, DiceSumsSixSidedThrows) {
  RandomGenerator r{42};
  EXPECT_EQ(r.dice(3), 10);
  RandomGenerator none{42};
  EXPECT_EQ(none.dice(0), 0);
  EXPECT_EQ(none.dice(-3), 0);
  EXPECT_EQ(none.seed, 42u) << "no throw means no draw";
  RandomGenerator many{7};
  for (int i = 0; i < 1000; ++i) {
    const int d = many.dice(2);
    ASSERT_GE(d, 2);
    ASSERT_LE(d, 12);
  }
}

}  // namespace
}  // namespace vorlund

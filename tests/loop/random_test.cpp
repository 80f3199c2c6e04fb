#include "state/random.h"

#include <gtest/gtest.h>

namespace vorlund {
namespace {

// Values worked out by hand from seed := seed * 134775813 + 1 and the high
// half of seed * n; a range of 0 still advances the seed.
TEST(Random, FollowsTheRecurrenceToTheEndsOfItsRange) {
  RandomGenerator s{12345};
  for (int expected : {2, 1, 0, 3, 3, 2}) EXPECT_EQ(s.random(6), expected);
  EXPECT_EQ(s.seed, 1467157059u);
  RandomGenerator r{1};
  EXPECT_EQ(r.random(0), 0);
  EXPECT_EQ(r.random(2147483647), 1849087502);
  EXPECT_EQ(r.seed, 3698175007u);
  RandomGenerator top{0xFFFFFFFFu};
  EXPECT_EQ(top.random(1000), 968);
}

TEST(Random, DiceSumsSixSidedThrowsAndNoThrowDrawsNothing) {
  RandomGenerator r{42};
  EXPECT_EQ(r.dice(0), 0);
  EXPECT_EQ(r.dice(-3), 0);
  EXPECT_EQ(r.seed, 42u);
  EXPECT_EQ(r.dice(3), 10);
}

}  // namespace
}  // namespace vorlund

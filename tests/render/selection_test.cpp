#include <gtest/gtest.h>

#include <vector>

#include "render/selection_pass.h"

namespace vorlund::render {
namespace {

std::optional<std::uint32_t> choose(const std::vector<std::uint32_t>& buffer, int hits) {
  return chooseHit(buffer.data(), buffer.size(), hits);
}

TEST(SelectionHits, TheNearestRecordByUnsignedDepthGivesItsFirstName) {
  // count, least depth, greatest depth, names...
  EXPECT_EQ(choose({1, 900, 950, 0, 2, 300, 400, 1272, 7, 1, 0x80000000u, 5, 5}, 3), 1272u);
  EXPECT_EQ(choose({1, 300, 400, 12, 1, 300, 350, 13}, 2), 12u) << "the first of equal depths";
  EXPECT_EQ(choose({1, 0xFFFFFFFFu, 0xFFFFFFFFu, 4, 1, 0x7FFFFFFFu, 1, 800042}, 2), 800042u);
}

TEST(SelectionHits, NoHitOverflowOrCutRecordsChooseNothingUnread) {
  EXPECT_FALSE(choose({}, 0));
  EXPECT_FALSE(choose({1, 5, 5, 9}, -1)) << "the records overran the buffer";
  EXPECT_EQ(choose({1, 50, 60, 9, 3, 1, 1, 100}, 2), 9u) << "the second record is cut short";
  EXPECT_FALSE(choose({0, 5, 5}, 1)) << "a record without names";
}

}  // namespace
}  // namespace vorlund::render

#include "state/failure.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;

// Each failure is told in the game its own way, then always to the platform.
TEST(ReportFailure, TellsTheGameThenThePlatform) {
  test::TestGame t;
  Game& g = t.g();
  reportFailure(g, Failure::logged("Cannot open file risks.txt"));
  reportFailure(g, Failure::beeped("Triangle 7 does not continue the strip: it has no texture"));
  reportFailure(g,
                Failure::notSaved("aapla2.pla", "Cannot create file aapla2.pla", "Is a directory"));
  reportFailure(g, Failure::fatal("Cannot open file aorb1.orb"));
  EXPECT_EQ(g.log.lines(), (Lines{"Cannot open file risks.txt", "Cannot create file aapla2.pla"}));
  EXPECT_EQ(t.platform->beeps, 1);
  ASSERT_EQ(t.platform->failures.size(), 4u);
  EXPECT_EQ(t.platform->failures[2].file, "aapla2.pla");
  EXPECT_EQ(describe(t.platform->failures[2]), "Cannot create file aapla2.pla (Is a directory)");
  EXPECT_EQ(describe(t.platform->failures[3]), "Cannot open file aorb1.orb");
  EXPECT_EQ(t.platform->errors,
            (Lines{"Triangle 7 does not continue the strip: it has no texture",
                   "Cannot create file aapla2.pla", "Cannot open file aorb1.orb"}));
}

TEST(ReportFailure, AGameWithoutAPlatformStillLogs) {
  Game g;
  reportFailure(g, Failure::notSaved("adia2.equ", "Cannot create file adia2.equ", ""));
  reportFailure(g, Failure::beeped("no texture"));
  EXPECT_EQ(g.log.lines(), Lines{"Cannot create file adia2.equ"});
}

}  // namespace
}  // namespace vorlund

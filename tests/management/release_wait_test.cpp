// When a match waits for "release fighters" (and so has odds to show).
#include <gtest/gtest.h>

#include "management/between_fights.h"
#include "management/stable.h"

namespace vorlund::test {
namespace {

TEST(ReleaseWait, FromTheSetUpToTheRelease) {
  Stable s;
  Game& g = s.g();
  EXPECT_FALSE(awaitingRelease(g)) << "the wizard's names";
  for (const char* line : {"Ash", "human", "12"}) s.click(line);
  EXPECT_EQ(g.names.state, MenuState::Fight);
  EXPECT_TRUE(awaitingRelease(g)) << "the first match, from the wizard";
  s.click("release fighters");
  EXPECT_FALSE(awaitingRelease(g)) << "the fight is on, with the wagers still listed";

  g.turnCounter = 0;
  showBetweenFightsMenu(g);
  EXPECT_FALSE(awaitingRelease(g)) << "the between-fights menu";
  s.click("practice to first blood");
  EXPECT_TRUE(awaitingRelease(g)) << "a practice waits in the between-fights state";
  g.turnCounter = 3;
  EXPECT_FALSE(awaitingRelease(g));
  g.turnCounter = 0;
  g.names.state = MenuState::Farm;
  EXPECT_FALSE(awaitingRelease(g)) << "in the farm menu the line means nothing";
}

}  // namespace
}  // namespace vorlund::test

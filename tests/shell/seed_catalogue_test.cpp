// What seeds 1 to 50 make of the same start: the guest the wizard's first
// match brings in, and how the fight to the death ends. Any change to a rule
// that draws, or to the order of the draws, shows here first.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "combat/fight_odds.h"
#include "combat/fight_queues.h"
#include "fighters/character.h"
#include "fighters/fighter_value.h"
#include "management/names_window.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "support/golden.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;

constexpr int kSeeds = 50;
constexpr int kTickLimit = 200000;
constexpr const char* kTurnHeader = "T U R N :  ";
const char* const kRegenerate =
    "VORLUND_REGENERATE_GOLDEN=1 <build>/tests/shell_tests --gtest_filter='SeedCatalogue.*'";

void clickLine(Game& g, const std::string& text) {
  for (std::size_t i = 0; i < g.names.lines().size(); ++i)
    if (g.names.lines()[i] == text) return clickNames(g, static_cast<int>(i));
  ADD_FAILURE() << "no line \"" << text << "\"";
}

// The start: the shipped lists and sphere, the first tick, and the player's
// fighter made by the wizard from the first name, a human of ST 12, which
// stakes him at once against a guest. Then the fighters are released and
// fight until it is over.
std::string catalogueLine(unsigned seed) {
  test::TestGame t;
  test::installWorld(t.dir);
  for (const char* file : {"names.txt", "races.txt", "risks.txt"})
    std::filesystem::copy_file(std::filesystem::path(VORLUND_SOURCE_DIR) / "data" / file,
                               t.dir.path() / file);
  Game& g = t.g();
  if (!startGame(g, seed)) return "seed " + std::to_string(seed) + ": no start";
  timer1Timer(g);
  clickNames(g, 0);
  clickLine(g, "human");
  clickLine(g, "12");
  const TCharacterDMG& us = slot(g, 1);
  const TCharacterDMG& guest = slot(g, 2);
  std::ostringstream line;
  line << "seed " << seed << ": guest " << guest.Name_String.str() << ", " << guest.Race.str()
       << ", ST " << guest.ST << ", DX " << guest.DX << ", IQ " << guest.IQ << ", bravery "
       << guest.Bravery << ", value " << fighterValue(guest) << ";";

  // The fight alone: the solar system turning beside it draws nothing.
  clickLine(g, "release fighters");
  playFightToEnd(g, kTickLimit);
  int turns = 0;
  for (const auto& l : g.log.lines())
    if (l.rfind(kTurnHeader, 0) == 0) turns = std::stoi(l.substr(std::strlen(kTurnHeader)));
  const bool usDead = isDead(us), guestDead = isDead(guest);
  const std::string winner = usDead == guestDead ? "nobody"
                             : usDead            ? guest.Name_String.str()
                                                 : us.Name_String.str();
  line << " fight: " << (g.turnCounter != 0 ? "no end, " : "") << turns << " turns, " << winner
       << " wins, purses " << us.Coin << " " << guest.Coin << ", graves " << g.graveyard.count;
  return line.str();
}

TEST(SeedCatalogue, MatchesTheReviewedCatalogue) {
  Lines now;
  for (unsigned seed = 1; seed <= kSeeds; ++seed) now.push_back(catalogueLine(seed));
  test::expectGolden("seed_catalogue.txt", now, kRegenerate);
}

}  // namespace
}  // namespace vorlund

#include "management/between_fights.h"

#include <algorithm>
#include <string>
#include <vector>

#include "fighters/text_files.h"
#include "management/menu_texts.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "shell/failure.h"
#include "shell/game.h"

namespace vorlund {

namespace {

bool holdsAnEntry(const std::vector<std::string>& lines) {
  return std::ranges::any_of(lines, [](const std::string& l) { return !l.empty(); });
}

// Without a readable risks.txt, or with one that holds no entry, the player
// would face an empty menu and could never fight again; he gets the five
// entries the game acts on.
std::vector<std::string> loadRisks(Game& g) {
  std::vector<std::string> risks;
  const FileResult read = readLines(g, "risks.txt", risks);
  if (read && holdsAnEntry(risks)) return risks;
  reportFailure(g,
                read ? Failure::logged("risks.txt holds no entry") : cannotOpen("risks.txt", read));
  return {std::string(kGambleInTheStands), std::string(kPracticeToFirstBlood),
          std::string(kPayForBreeding), std::string(kBetrayGuest), std::string(kRestWeek)};
}

// Every copy goes: a guest is betrayed only once.
void removeBetrayGuest(NamesModel& names) {
  namesRemoveAll(names, kBetrayGuest);
}

}  // namespace

void showBetweenFightsMenu(Game& g) {
  namesReplace(g.names, loadRisks(g));
  if (g.betrayal) removeBetrayGuest(g.names);
  namesSetState(g.names, MenuState::BetweenFights);
}

void betrayGuest(Game& g) {
  g.betrayal = true;
  removeBetrayGuest(g.names);
}

void releaseFighters(Game& g) {
  if (g.turnCounter >= 1) return;
  g.turnCounter = 1;
  g.turnPhase = TurnPhase::Start;
  combatant(g, 1).Rest_Last_Week = false;
  combatant(g, 2).Rest_Last_Week = false;
  namesSetState(g.names, MenuState::Fight);
  namesAdd(g.names, "");
  namesAdd(g.names, kForfit);
  if (g.betrayal) {
    namesAdd(g.names, "");
    namesAdd(g.names, kBetray);
  }
  logClear(g.log);
  logAdd(g.log, "");
}

bool awaitingRelease(const Game& g) {
  const MenuState state = g.names.state();
  const bool menu = state == MenuState::Fight || state == MenuState::BetweenFights;
  return menu && g.turnCounter < 1 &&
         std::ranges::find(g.names.lines(), kReleaseFighters) != g.names.lines().end();
}

}  // namespace vorlund

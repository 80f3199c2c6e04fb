#include "management/names_window.h"

#include <algorithm>

#include "fighters/creation_wizard.h"
#include "fighters/name_syllables.h"
#include "fighters/text_files.h"
#include "management/between_fights.h"
#include "management/breeding.h"
#include "management/farm_menu.h"
#include "management/match_setup.h"
#include "management/menu_texts.h"
#include "management/rest_week.h"
#include "management/zaps.h"
#include "panels/sheet.h"
#include "shell/game.h"

namespace vorlund {

void showNamesToChoose(Game& g) {
  loadIntoNames(g, "names.txt");
  if (std::ranges::all_of(g.names.lines(), &std::string::empty)) {
    RandomGenerator own = g.rng;
    namesAdd(g.names, makeFighterName(own));
  }
}

void namesFormCreate(Game& g, unsigned seed) {
  g.rng.seed = seed;
  showNamesToChoose(g);
  namesSetState(g.names, MenuState::ChooseName);
}

namespace {

void fightCommand(Game& g, const std::string& text) {
  if (text == kReleaseFighters) return releaseFighters(g);
  if (text == kForfit) return forfitZap(g);
  if (text == kBetray && g.betrayal) return betrayZap(g);
}

// The entries are tried in this order; the first that matches is done.
void betweenFightsEntry(Game& g, const std::string& text) {
  if (text == kGambleInTheStands) return gambleInTheStands(g);
  if (text == kPracticeToFirstBlood) return practiceToFirstBlood(g);
  if (text == kPayForBreeding) return payForBreeding(g);
  if (text == kBetrayGuest) return betrayGuest(g);
  if (text == kRestWeek) return restWeek(g);
  if (text == kReleaseFighters) return releaseFighters(g);
}

}  // namespace

void clickNames(Game& g, int line) {
  // Every press shows the purses as they stand, whatever it was on.
  sheetSetCaption(g.us, sheetCaption(g, g.combatantOrder[1]));
  sheetSetCaption(g.them, sheetCaption(g, g.combatantOrder[2]));
  namesSelect(g.names, line);
  if (g.names.selected() < 0) return;

  // A copy: most actions rewrite the list the line came from.
  const int index = g.names.selected();
  const std::string text = g.names.lines()[static_cast<std::size_t>(index)];
  switch (g.names.state()) {
    case MenuState::ChooseName:
      wizardName(g, index);
      break;
    case MenuState::ChooseRace:
      wizardRace(g, index);
      break;
    case MenuState::ChooseStrength:
      if (wizardStrength(g, index)) gambleInTheStands(g);
      break;
    case MenuState::Fight:
      fightCommand(g, text);
      break;
    case MenuState::BetweenFights:
      betweenFightsEntry(g, text);
      break;
    case MenuState::Farm:
      farmMenuClick(g, text);
      break;
    default:
      break;
  }
}

}  // namespace vorlund

#include "fighters/creation_wizard.h"

#include <charconv>

#include "fighters/fighter_value.h"
#include "fighters/name_taking.h"
#include "fighters/race_traits.h"
#include "fighters/text_files.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "panels/sheet.h"
#include "shell/game.h"

namespace vorlund {

namespace {

// The races to choose from. Without a readable races.txt the player could
// not go on, so he is offered a human instead.
void showRaces(Game& g) {
  loadIntoNames(g, "races.txt");
  if (g.names.lines().empty()) namesAdd(g.names, "human");
}

}  // namespace

void wizardName(Game& g, int line) {
  // An empty line names no one: a fighter without a name could never be
  // told apart in a fight, so the click does nothing.
  if (g.names.lines()[static_cast<std::size_t>(line)].empty()) return;
  TCharacterDMG& c = slot(g, 1);
  c.Name_String = takeNameLine(g, line);
  c.EP = 0;
  sheetFill(g, 1, SheetField::Name);
  showRaces(g);
  namesSetState(g.names, MenuState::ChooseRace);
}

void wizardRace(Game& g, int line) {
  TCharacterDMG& c = slot(g, 1);
  c.Race = g.names.lines()[static_cast<std::size_t>(line)];
  sheetFill(g, 1, SheetField::Race);
  showStrengthValues(g, c.Race.str());
  namesSetState(g.names, MenuState::ChooseStrength);
}

bool wizardStrength(Game& g, int line) {
  const std::string& text = g.names.lines()[static_cast<std::size_t>(line)];
  std::int32_t st = 0;
  const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), st);
  if (err != std::errc() || end != text.data() + text.size()) return false;

  TCharacterDMG& c = slot(g, 1);
  c.ST = st;
  c.Wounds = 0;
  c.DX = 24 - st;
  setNaturalWeapons(c);
  rollTemperament(g.rng, c);
  combatant(g, 1).Bet_value = fighterValue(c);
  setUpMovement(c);
  applyIqAndAdvancement(c);
  sheetFill(g, 1, SheetField::ST);
  sheetFill(g, 1, SheetField::BareHand);
  sheetFill(g, 1, SheetField::DX);
  namesSetState(g.names, MenuState::Fight);
  logAdd(g.log, c.Name_String.str() + " " + c.Race.str() + " " + std::to_string(c.ST) + " " +
                    std::to_string(c.DX));
  return true;
}

}  // namespace vorlund

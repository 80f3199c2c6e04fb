#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlund {

// The states of the Names menu, which say what a click on a line means. The
// numbers are the ones the list's Tag always held; the sim shows them.
enum class MenuState : std::int32_t {
  None = 0,  // before the Names window is made
  ChooseName = 1,
  ChooseRace = 2,
  ChooseStrength = 6,
  Fight = 7,
  BetweenFights = 8,
  Farm = 9,
};

// The "Names" list: the player's menu. Its state is the whole state machine
// of the management side.
struct NamesModel {
  std::vector<std::string> lines;
  int selected = -1;  // -1: nothing selected
  MenuState state = MenuState::None;
  std::uint64_t revision = 0;  // changes with every edit of lines or selection
};

void namesAdd(NamesModel& names, std::string_view text);
void namesClear(NamesModel& names);
void namesSelect(NamesModel& names, int index);  // out of range selects nothing

}  // namespace vorlund

#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlund {

// The states of the Names menu, which say what a click on a line means. The
// numbers are part of the sim's `state` output, which scenarios compare, so
// they stay as they are; the gaps are states the game does not have.
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
// of the management side. It changes only through the operations below;
// every change of the lines or the selection raises the revision, by which
// views mirror it. The state is not shown, so setting it raises nothing.
class NamesModel {
 public:
  const std::vector<std::string>& lines() const { return lines_; }
  int selected() const { return selected_; }  // -1: nothing selected
  MenuState state() const { return state_; }
  std::uint64_t revision() const { return revision_; }

 private:
  friend void namesAdd(NamesModel& names, std::string_view text);
  friend void namesClear(NamesModel& names);
  friend void namesReplace(NamesModel& names, const std::vector<std::string>& lines);
  friend void namesSelect(NamesModel& names, int index);
  friend std::string namesTake(NamesModel& names, int index);
  friend void namesRemoveAll(NamesModel& names, std::string_view text);
  friend void namesSetState(NamesModel& names, MenuState state);

  std::vector<std::string> lines_;
  int selected_ = -1;
  MenuState state_ = MenuState::None;
  std::uint64_t revision_ = 0;
};

void namesAdd(NamesModel& names, std::string_view text);
void namesClear(NamesModel& names);
// Shows these lines in place of the old ones, with nothing selected.
void namesReplace(NamesModel& names, const std::vector<std::string>& lines);
void namesSelect(NamesModel& names, int index);  // out of range selects nothing
// Removes the line at `index` and returns it; out of range, it returns ""
// and changes nothing. The selection goes with the line.
std::string namesTake(NamesModel& names, int index);
// Removes every line that reads `text`; the selection is dropped, for the
// lines below a removed one move up.
void namesRemoveAll(NamesModel& names, std::string_view text);
void namesSetState(NamesModel& names, MenuState state);

}  // namespace vorlund

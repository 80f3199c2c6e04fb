#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlund {

// The "Names" list: the player's menu. Its state number (the list's Tag)
// is the whole state machine of the management side.
struct NamesModel {
  std::vector<std::string> lines;
  int selected = -1;           // -1: nothing selected
  std::int32_t state = 0;      // menu state: 1, 2, 6, 7, 8 or 9
  std::uint64_t revision = 0;  // changes with every edit of lines or selection
};

void namesAdd(NamesModel& names, std::string_view text);
void namesClear(NamesModel& names);
void namesSelect(NamesModel& names, int index);  // out of range selects nothing

}  // namespace vorlund

#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlund {

// The "Log" list: lines in the order they were told, emptied only when a
// fight starts. Views mirror it by comparing `clears` and the line count.
struct LogModel {
  std::vector<std::string> lines;
  int selected = -1;           // item index of the selection, -1 for none
  std::uint64_t clears = 0;    // how often the list was emptied
  std::uint64_t revision = 0;  // changes with every append, select or clear

  // Optional listener that hears each line as it is appended, and nullptr
  // when the list is cleared (the sim echoes the Log through it).
  std::function<void(const std::string*)> echo;
};

void logAdd(LogModel& log, std::string_view text);
void logShowLast(LogModel& log);
void logClear(LogModel& log);

}  // namespace vorlund

#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlund {

// The "Log" list: lines in the order they were told, emptied only when a
// fight starts. It changes only through logAdd, logShowLast and logClear,
// each of which counts as a change; views mirror it by comparing `clears`
// and the line count, or the revision.
class LogModel {
 public:
  const std::vector<std::string>& lines() const { return lines_; }
  int selected() const { return selected_; }            // item index, -1 for none
  std::uint64_t clears() const { return clears_; }      // how often the list was emptied
  std::uint64_t revision() const { return revision_; }  // changes with every operation

  // Optional listener that hears each line as it is appended, and nullptr
  // when the list is cleared (the sim echoes the Log through it).
  std::function<void(const std::string*)> echo;

 private:
  friend void logAdd(LogModel& log, std::string_view text);
  friend void logShowLast(LogModel& log);
  friend void logClear(LogModel& log);

  std::vector<std::string> lines_;
  int selected_ = -1;
  std::uint64_t clears_ = 0;
  std::uint64_t revision_ = 0;
};

void logAdd(LogModel& log, std::string_view text);
void logShowLast(LogModel& log);
void logClear(LogModel& log);

}  // namespace vorlund

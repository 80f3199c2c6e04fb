#include "panels/names_model.h"

#include <utility>

namespace vorlund {

void namesAdd(NamesModel& names, std::string_view text) {
  names.lines_.emplace_back(text);
  ++names.revision_;
}

void namesClear(NamesModel& names) {
  names.lines_.clear();
  names.selected_ = -1;
  ++names.revision_;
}

void namesReplace(NamesModel& names, const std::vector<std::string>& lines) {
  names.lines_ = lines;
  names.selected_ = -1;
  ++names.revision_;
}

void namesSelect(NamesModel& names, int index) {
  const bool inRange = index >= 0 && index < static_cast<int>(names.lines_.size());
  names.selected_ = inRange ? index : -1;
  ++names.revision_;
}

std::string namesTake(NamesModel& names, int index) {
  if (index < 0 || index >= static_cast<int>(names.lines_.size())) return {};
  std::string line = std::move(names.lines_[static_cast<std::size_t>(index)]);
  names.lines_.erase(names.lines_.begin() + index);
  names.selected_ = -1;
  ++names.revision_;
  return line;
}

void namesRemoveAll(NamesModel& names, std::string_view text) {
  std::erase(names.lines_, text);
  names.selected_ = -1;
  ++names.revision_;
}

void namesSetState(NamesModel& names, MenuState state) {
  names.state_ = state;
}

}  // namespace vorlund

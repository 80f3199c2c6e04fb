#include "panels/names_model.h"

namespace vorlund {

void namesAdd(NamesModel& names, std::string_view text) {
  names.lines.emplace_back(text);
  ++names.revision;
}

void namesClear(NamesModel& names) {
  names.lines.clear();
  names.selected = -1;
  ++names.revision;
}

void namesSelect(NamesModel& names, int index) {
  const bool inRange = index >= 0 && index < static_cast<int>(names.lines.size());
  names.selected = inRange ? index : -1;
  ++names.revision;
}

}  // namespace vorlund

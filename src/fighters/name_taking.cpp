#include "fighters/name_taking.h"

#include "fighters/text_files.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "shell/game.h"

namespace vorlund {

std::string takeNameLine(Game& g, int index) {
  auto& lines = g.names.lines;
  if (index < 0 || index >= static_cast<int>(lines.size())) return {};
  std::string name = lines[static_cast<std::size_t>(index)];
  lines.erase(lines.begin() + index);
  // The taken line carried the selection away with it.
  g.names.selected = -1;
  ++g.names.revision;
  if (!writeLines(g, "names.txt", lines)) logAdd(g.log, "Cannot write file names.txt");
  return name;
}

}  // namespace vorlund

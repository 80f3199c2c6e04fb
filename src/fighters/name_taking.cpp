#include "fighters/name_taking.h"

#include "fighters/text_files.h"
#include "panels/names_model.h"
#include "shell/failure.h"
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
  if (const FileResult r = writeLines(g, "names.txt", lines); !r)
    reportFailure(g, Failure::notSaved("names.txt", "Cannot write file names.txt", r.reason()));
  return name;
}

}  // namespace vorlund

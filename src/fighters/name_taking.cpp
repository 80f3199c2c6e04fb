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
  // A names.txt that could not be read is the player's still: the list shown
  // in its place was made up, and writing it would wipe out every name.
  if (!g.namesFileRead) return name;
  if (const FileResult r = writeLines(g, kNamesFile, lines); !r)
    reportFailure(g, Failure::notSaved(kNamesFile, "Cannot write file names.txt", r.reason()));
  return name;
}

}  // namespace vorlund

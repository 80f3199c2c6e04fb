#include "fighters/name_taking.h"

#include "fighters/text_files.h"
#include "panels/names_model.h"
#include "shell/failure.h"
#include "shell/game.h"

namespace vorlund {

std::string takeNameLine(Game& g, int index) {
  if (index < 0 || index >= static_cast<int>(g.names.lines().size())) return {};
  std::string name = namesTake(g.names, index);
  // A names.txt that could not be read is the player's still: the list shown
  // in its place was made up, and writing it would wipe out every name.
  if (!g.namesFileRead) return name;
  if (const FileResult r = writeLines(g, kNamesFile, g.names.lines()); !r)
    reportFailure(g, Failure::notSaved(kNamesFile, "Cannot write file names.txt", r.reason()));
  return name;
}

}  // namespace vorlund

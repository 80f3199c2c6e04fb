#pragma once
#include <string>
#include <vector>

#include "shell/file_io.h"

namespace vorlund {
struct Game;

// Reads a text data file of the game folder, one entry per line, each line
// taken whole. Returns false when the file cannot be read.
bool readLines(const Game& g, const std::string& name, std::vector<std::string>& out);

// Writes a text data file of the game folder, one entry per line, each line
// ended by CR LF as the lists were always saved; atomically, so a failed or
// interrupted save leaves the old list whole.
FileResult writeLines(const Game& g, const std::string& name,
                      const std::vector<std::string>& lines);

// Shows a data file in the Names list, one entry a line. A file that cannot
// be read leaves the list empty and is told in the Log.
bool loadIntoNames(Game& g, const std::string& name);

}  // namespace vorlund

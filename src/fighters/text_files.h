#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "shell/failure.h"
#include "shell/file_io.h"

namespace vorlund {
struct Game;

inline constexpr const char* kNamesFile = "names.txt";

// The largest a list may be: names.txt grows with a player's own lists of
// names, the other lists hold a few lines.
std::size_t largestList(const std::string& name);

// Reads a text data file of the game folder, one entry per line, each line
// taken whole. Says why when the file cannot be read (`out` is then empty).
FileResult readLines(const Game& g, const std::string& name, std::vector<std::string>& out);

// Writes a text data file of the game folder, one entry per line, each line
// ended by CR LF like the lists the game ships; atomically, so a failed or
// interrupted save leaves the old list whole.
FileResult writeLines(const Game& g, const std::string& name,
                      const std::vector<std::string>& lines);

// Shows a data file in the Names list, one entry a line. A file that cannot
// be read leaves the list empty and is told in the Log. Loading names.txt
// records whether it was read, for a names.txt that could not be read is
// never written back.
bool loadIntoNames(Game& g, const std::string& name);

// What a list that could not be read is told as: "Cannot open file NAME",
// with the reason unless the file is simply not there.
Failure cannotOpen(const std::string& name, const FileResult& r);

}  // namespace vorlund

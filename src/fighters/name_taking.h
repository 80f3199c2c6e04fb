#pragma once
#include <string>

namespace vorlund {
struct Game;

// Takes line `index` out of the Names list, which holds names.txt, and
// writes the list back to names.txt at once, so that no name is ever given
// twice across games; a names.txt that could not be read is left as it is.
// Returns the name taken, or nothing for a line that is not there.
std::string takeNameLine(Game& g, int index);

}  // namespace vorlund

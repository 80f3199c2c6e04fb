#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlund::render {

// A failure of the arena's GL work: a pending GL error turned into words, a
// context that could not be made, a texture that could not be uploaded.
class GlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The words GLU has for a GL error code.
std::string glErrorText(unsigned code);

// Reads every pending GL error, oldest first, as GLU words. Stops after a
// few dozen, since a driver without a context may repeat one for ever.
std::vector<std::string> drainGlErrors();

}  // namespace vorlund::render

#pragma once
#include <string>

#include "image.h"

namespace vorlund::textures {

// The image as a 24-bit Windows bitmap: a 14-byte file header, a 40-byte
// info header, then the rows bottom-up as blue-green-red triples. The sides
// are powers of two of at least 4, so rows need no padding.
std::string bmpBytes(const Image& image);

}  // namespace vorlund::textures

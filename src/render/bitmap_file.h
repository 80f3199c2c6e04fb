#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vorlund::render {

// A texture image as read from its file: width x height RGB triples, rows
// bottom-up without padding, followed by whatever more the file held.
struct BitmapImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> pixels;
};

enum class BitmapFault { None, CannotOpen, Invalid };

// What became of reading one bitmap: the image, or why there is none (with
// the system's words for a file that could not be opened).
struct BitmapRead {
  BitmapImage image;
  BitmapFault fault = BitmapFault::None;
  std::string reason;
};

// The largest bitmap file read: room for a 4096 x 4096 image and its header.
inline constexpr std::size_t kMostBitmapBytes = 54 + std::size_t{4096} * 4096 * 3;

// Reads a 24-bit Windows bitmap: "BM", the width and height of the info
// header, then everything after the 54 header bytes as blue-green-red
// triples, which come back red-green-blue. Refused as invalid: a file
// without "BM", one shorter than its headers, one whose pixel bytes fall
// short of width x height triples, one larger than any texture. A top-down
// bitmap (negative height) is read but not reordered: GL refuses it when it
// is uploaded.
BitmapRead ReadBitmap(const std::filesystem::path& file);

}  // namespace vorlund::render

#include "bmp_file.h"

#include <cstdint>

namespace vorlund::textures {
namespace {

void put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xff));
  out.push_back(static_cast<char>(v >> 8));
}
void put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

constexpr std::uint32_t kHeaderBytes = 54;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

std::string bmpBytes(const Image& image) {
  const auto side = static_cast<std::uint32_t>(image.size);
  const std::uint32_t pixelBytes = side * side * 3;
  std::string out;
  out.reserve(kHeaderBytes + pixelBytes);
  out += "BM";
  put32(out, kHeaderBytes + pixelBytes);
  put32(out, 0);  // reserved
  put32(out, kHeaderBytes);
  put32(out, 40);
  put32(out, side);
  put32(out, side);
  put16(out, 1);   // planes
  put16(out, 24);  // bits per pixel
  put32(out, 0);   // no compression
  put32(out, pixelBytes);
  put32(out, kPixelsPerMetre);
  put32(out, kPixelsPerMetre);
  put32(out, 0);  // no palette
  put32(out, 0);
  for (int y = image.size - 1; y >= 0; --y)
    for (int x = 0; x < image.size; ++x) {
      const std::uint8_t* p = &image.rgb[(static_cast<std::size_t>(y) * side + x) * 3];
      out.push_back(static_cast<char>(p[2]));
      out.push_back(static_cast<char>(p[1]));
      out.push_back(static_cast<char>(p[0]));
    }
  return out;
}

}  // namespace vorlund::textures

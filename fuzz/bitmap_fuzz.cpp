// A body texture as the start-up reads it: whatever the bytes, the reader
// ends, reads no more than the file holds, and either refuses the file or
// gives an image whose named pixels all lie inside what was read, turned
// from blue-green-red to red-green-blue.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_game.h"
#include "render/bitmap_file.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzGame harness;
  Game& g = harness.fresh("Fig13000.bmp", data, size);
  const render::BitmapRead read = render::ReadBitmap(gameFile(g, "Fig13000.bmp"));
  if (read.fault != render::BitmapFault::None) return 0;
  const render::BitmapImage& image = read.image;
  fuzz::require(size >= 54 && data[0] == 'B' && data[1] == 'M', "only a bitmap is taken");
  fuzz::require(image.pixels.size() == size - 54, "the pixels are what follows the header");
  const std::int64_t triples = std::int64_t{image.width} * image.height;
  const std::size_t turned = triples > 0 ? static_cast<std::size_t>(triples) * 3 : std::size_t{0};
  fuzz::require(turned <= image.pixels.size(), "no pixel named outside the file");
  for (std::size_t i = 0; i < turned; i += 3)
    fuzz::require(image.pixels[i] == data[54 + i + 2] && image.pixels[i + 2] == data[54 + i],
                  "blue and red change places");
  fuzz::require(std::memcmp(image.pixels.data() + turned, data + 54 + turned,
                            image.pixels.size() - turned) == 0,
                "the bytes after the pixels are kept as read");
  return 0;
}

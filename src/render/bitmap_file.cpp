#include "render/bitmap_file.h"

#include <utility>

#include "state/file_io.h"
#include "state/little_endian.h"

namespace vorlund::render {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kHeaderBytes = kFileHeaderBytes + 40;

BitmapRead refused(BitmapFault fault, std::string reason = {}) {
  BitmapRead r;
  r.fault = fault;
  r.reason = std::move(reason);
  return r;
}

}  // namespace

BitmapRead ReadBitmap(const std::filesystem::path& file) {
  Bytes bytes;
  const FileResult read = readFileBounded(file, kMostBitmapBytes, bytes);
  if (read.code == FileResult::Code::TooLarge) return refused(BitmapFault::Invalid);
  if (!read) return refused(BitmapFault::CannotOpen, read.reason());
  if (bytes.size() < kHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M')
    return refused(BitmapFault::Invalid);

  BitmapRead r;
  r.image.width = readInt32(bytes.data() + kFileHeaderBytes + 4);
  r.image.height = readInt32(bytes.data() + kFileHeaderBytes + 8);
  bytes.erase(bytes.begin(), bytes.begin() + kHeaderBytes);
  r.image.pixels = std::move(bytes);

  // Only the triples the file really holds are turned round.
  const std::int64_t triples = std::int64_t{r.image.width} * r.image.height;
  if (triples > 0 && static_cast<std::uint64_t>(triples) * 3 > r.image.pixels.size())
    return refused(BitmapFault::Invalid);
  std::uint8_t* p = r.image.pixels.data();
  for (std::int64_t i = 0; i < triples; ++i, p += 3) std::swap(p[0], p[2]);
  return r;
}

}  // namespace vorlund::render

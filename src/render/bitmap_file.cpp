#include "render/bitmap_file.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace vorlund::render {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::int32_t int32At(const std::uint8_t* p) {
  const std::uint32_t u = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                          std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  return static_cast<std::int32_t>(u);
}

BitmapRead refused(BitmapFault fault) {
  BitmapRead r;
  r.fault = fault;
  return r;
}

}  // namespace

std::string bitmapFaultMessage(BitmapFault fault, const std::string& fileName) {
  switch (fault) {
    case BitmapFault::CannotOpen:
      return "Cannot open file " + fileName;
    case BitmapFault::Invalid:
      return fileName + ": invalid bitmap";
    case BitmapFault::None:
      break;
  }
  return {};
}

BitmapRead ReadBitmap(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return refused(BitmapFault::CannotOpen);
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return refused(BitmapFault::CannotOpen);
  if (size < kHeaderBytes || size > kMostBitmapBytes) return refused(BitmapFault::Invalid);
  std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
  if (!f) return refused(BitmapFault::CannotOpen);

  std::uint8_t header[kHeaderBytes];
  if (std::fread(header, 1, kHeaderBytes, f.get()) != kHeaderBytes)
    return refused(BitmapFault::Invalid);
  if (header[0] != 'B' || header[1] != 'M') return refused(BitmapFault::Invalid);

  BitmapRead r;
  r.image.width = int32At(header + kFileHeaderBytes + 4);
  r.image.height = int32At(header + kFileHeaderBytes + 8);
  // The size was taken before reading; whatever the file holds now, no more
  // than that is read, and only what was read is kept.
  r.image.pixels.resize(static_cast<std::size_t>(size - kHeaderBytes));
  r.image.pixels.resize(std::fread(r.image.pixels.data(), 1, r.image.pixels.size(), f.get()));

  const std::int64_t triples = std::int64_t{r.image.width} * r.image.height;
  if (triples > 0 && static_cast<std::uint64_t>(triples) * 3 > r.image.pixels.size())
    return refused(BitmapFault::Invalid);
  std::uint8_t* p = r.image.pixels.data();
  for (std::int64_t i = 0; i < triples; ++i, p += 3) std::swap(p[0], p[2]);
  return r;
}

}  // namespace vorlund::render

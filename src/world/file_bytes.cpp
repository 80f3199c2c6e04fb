#include "world/file_bytes.h"

#include <bit>
#include <cstdio>
#include <memory>
#include <system_error>

namespace vorlund {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

bool readFileBytes(const std::filesystem::path& path, Bytes& out) {
  out.clear();
  FilePtr f(std::fopen(path.c_str(), "rb"));
  if (!f) return false;
  std::error_code sizeUnknown;
  const auto size = std::filesystem::file_size(path, sizeUnknown);
  if (!sizeUnknown) out.reserve(static_cast<std::size_t>(size));
  unsigned char chunk[65536];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, f.get());
    out.insert(out.end(), chunk, chunk + got);
    if (got < sizeof chunk) break;
  }
  return std::ferror(f.get()) == 0;
}

bool writeFileAtomically(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    FilePtr f(std::fopen(temp.c_str(), "wb"));
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size() &&
                         std::fflush(f.get()) == 0;
    if (std::fclose(f.release()) != 0 || !written) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temp, path, error);
  if (error) {
    std::filesystem::remove(temp, error);
    return false;
  }
  return true;
}

double readDouble(const unsigned char* p) {
  std::uint64_t u = 0;
  for (int i = 7; i >= 0; --i) u = u << 8 | p[i];
  return std::bit_cast<double>(u);
}

void appendDouble(Bytes& out, double value) {
  const auto u = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<unsigned char>(u >> (8 * i)));
}

}  // namespace vorlund

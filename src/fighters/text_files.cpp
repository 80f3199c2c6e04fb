#include "fighters/text_files.h"

#include <cstdio>
#include <system_error>

#include "shell/game.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define VORLUND_HAVE_FSYNC 1
#endif

namespace vorlund {

namespace {

bool writeAll(std::FILE* f, const std::vector<std::string>& lines) {
  for (const auto& line : lines) {
    if (!line.empty() && std::fwrite(line.data(), 1, line.size(), f) != line.size()) return false;
    if (std::fwrite("\r\n", 1, 2, f) != 2) return false;
  }
  if (std::fflush(f) != 0) return false;
#ifdef VORLUND_HAVE_FSYNC
  // The rename must not reach the disk before the text it points at.
  if (::fsync(::fileno(f)) != 0) return false;
#endif
  return true;
}

}  // namespace

bool writeLines(const Game& g, const std::string& name, const std::vector<std::string>& lines) {
  const std::filesystem::path target = gameFile(g, name);
  std::filesystem::path temp = target;
  temp += ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return false;
  const bool written = writeAll(f, lines);
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (written && closed) std::filesystem::rename(temp, target, ec);
  if (!written || !closed || ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace vorlund

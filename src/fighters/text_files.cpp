#include "fighters/text_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "panels/log_model.h"
#include "panels/names_model.h"
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

bool readLines(const Game& g, const std::string& name, std::vector<std::string>& out) {
  // The game's lists are a few kilobytes; anything this big is not one of them.
  constexpr std::uintmax_t kMaxListBytes = 16u << 20;
  std::error_code ec;
  const auto size = std::filesystem::file_size(gameFile(g, name), ec);
  if (ec || size > kMaxListBytes) return false;
  std::ifstream in(gameFile(g, name), std::ios::binary);
  if (!in) return false;
  out.clear();
  // Lines end with LF, CR LF or a lone CR; a final line break adds no entry.
  std::string line;
  char c;
  bool pending = false;
  while (in.get(c)) {
    if (c == '\n' || c == '\r') {
      out.push_back(line);
      line.clear();
      pending = false;
      if (c == '\r' && in.peek() == '\n') in.get(c);
    } else {
      line.push_back(c);
      pending = true;
    }
  }
  if (pending) out.push_back(line);
  return true;
}

bool loadIntoNames(Game& g, const std::string& name) {
  std::vector<std::string> lines;
  const bool read = readLines(g, name, lines);
  namesClear(g.names);
  for (const auto& l : lines) namesAdd(g.names, l);
  if (!read) logAdd(g.log, "Cannot open file " + name);
  return read;
}

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

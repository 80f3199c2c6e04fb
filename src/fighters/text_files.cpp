#include "fighters/text_files.h"

#include "panels/names_model.h"
#include "shell/failure.h"
#include "shell/file_io.h"
#include "shell/game.h"

namespace vorlund {

bool readLines(const Game& g, const std::string& name, std::vector<std::string>& out) {
  // The game's lists are a few kilobytes; anything this big is not one of them.
  constexpr std::size_t kMaxListBytes = 16u << 20;
  Bytes bytes;
  if (!readFileBounded(gameFile(g, name), kMaxListBytes, bytes)) return false;
  out.clear();
  // Lines end with LF, CR LF or a lone CR; a final line break adds no entry.
  std::string line;
  bool pending = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = static_cast<char>(bytes[i]);
    if (c == '\n' || c == '\r') {
      out.push_back(line);
      line.clear();
      pending = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
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
  if (!read) reportFailure(g, Failure::logged("Cannot open file " + name));
  return read;
}

FileResult writeLines(const Game& g, const std::string& name,
                      const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return writeFileAtomically(gameFile(g, name), text);
}

}  // namespace vorlund

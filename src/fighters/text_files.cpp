#include "fighters/text_files.h"

#include "panels/names_model.h"
#include "shell/failure.h"
#include "shell/file_io.h"
#include "shell/game.h"

namespace vorlund {

std::size_t largestList(const std::string& name) {
  return name == kNamesFile ? std::size_t{16} << 20 : std::size_t{64} << 10;
}

FileResult readLines(const Game& g, const std::string& name, std::vector<std::string>& out) {
  out.clear();
  Bytes bytes;
  if (FileResult r = readFileBounded(gameFile(g, name), largestList(name), bytes); !r) return r;
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
  return {};
}

bool loadIntoNames(Game& g, const std::string& name) {
  std::vector<std::string> lines;
  const FileResult read = readLines(g, name, lines);
  if (name == kNamesFile) g.namesFileRead = read.ok();
  namesReplace(g.names, lines);
  if (!read) reportFailure(g, cannotOpen(name, read));
  return read.ok();
}

Failure cannotOpen(const std::string& name, const FileResult& r) {
  // A missing file says enough by its name; any other fault says what it was.
  return Failure::logged("Cannot open file " + name,
                         r.code == FileResult::Code::Missing ? "" : r.reason());
}

FileResult writeLines(const Game& g, const std::string& name,
                      const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return writeFileAtomically(gameFile(g, name), text);
}

}  // namespace vorlund

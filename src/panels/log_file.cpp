#include "panels/log_file.h"

#include <array>

#include "state/utf8_text.h"

namespace vorlund {

std::string logFileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += utf8Repaired(line);
    text += '\n';
  }
  return text;
}

FileResult saveLogFile(const std::vector<std::string>& lines, const std::filesystem::path& path) {
  return writeFileAtomically(path, logFileText(lines));
}

std::string logFileName(const std::tm& local) {
  std::array<char, 64> name{};
  const std::size_t n =
      std::strftime(name.data(), name.size(), "vorlund-log-%Y-%m-%d-%H%M.txt", &local);
  return n == 0 ? std::string("vorlund-log.txt") : std::string(name.data(), n);
}

}  // namespace vorlund

#include "shell/line_forms.h"

namespace vorlund {

// The usage in a column of its own, the text beside it; after a usage too
// wide for the column the text follows three blanks on, or on the lines
// below when it would make the line too long.
std::string helpLines(std::span<const CommandHelp> rows) {
  constexpr std::size_t kUsageColumn = 26;
  constexpr std::size_t kWidest = 90;
  const std::string indent(2 + kUsageColumn, ' ');
  std::string out;
  for (const CommandHelp& row : rows) {
    const std::string usage = row.usage;
    std::string text = row.text;
    out += "  " + usage;
    if (usage.size() < kUsageColumn)
      out += std::string(kUsageColumn - usage.size(), ' ');
    else if (2 + usage.size() + 3 + text.substr(0, text.find('\n')).size() <= kWidest)
      out += "   ";
    else
      out += "\n" + indent;
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += indent.size())
      text.insert(at + 1, indent);
    out += text + "\n";
  }
  return out;
}

}  // namespace vorlund

#include "shell/version_text.h"

namespace vorlund {

std::string versionText(std::string_view program, std::string_view version) {
  std::string text;
  text.append(program).append(" ").append(version).append("\n");
  text +=
      "Copyright (C) 2026 the Vorlund developers\n"
      "License GPL-3.0-or-later: GNU GPL version 3 or later "
      "<https://www.gnu.org/licenses/gpl-3.0.html>\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n";
  return text;
}

}  // namespace vorlund

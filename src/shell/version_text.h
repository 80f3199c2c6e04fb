#pragma once
#include <string>
#include <string_view>

namespace vorlund {

// What `--version` prints for both programs: the program and its version,
// then the terms under which the game may be used, copied and shipped.
std::string versionText(std::string_view program, std::string_view version);

}  // namespace vorlund

#include "support/golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace vorlund::test {

void expectGolden(const std::string& name, const std::vector<std::string>& now,
                  const std::string& regenerate) {
  const std::string path = std::string(VORLUND_GOLDEN_DIR) + "/" + name;
  if (std::getenv("VORLUND_REGENERATE_GOLDEN") != nullptr) {
    std::ofstream out(path, std::ios::trunc);
    for (const auto& line : now) out << line << '\n';
    GTEST_SKIP() << "rewrote " << path << ": review it line by line";
  }
  std::vector<std::string> golden;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) golden.push_back(line);
  std::size_t i = 0;
  while (i < now.size() && i < golden.size() && now[i] == golden[i]) ++i;
  if (i == now.size() && i == golden.size()) return;
  ADD_FAILURE() << path << " differs at line " << i + 1
                << "\n  now:    " << (i < now.size() ? now[i] : "(ended)")
                << "\n  golden: " << (i < golden.size() ? golden[i] : "(ended)")
                << "\nTo write it afresh (then review every changed line):\n  " << regenerate;
}

}  // namespace vorlund::test

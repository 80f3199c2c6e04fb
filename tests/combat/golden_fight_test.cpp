// Whole fights with fixed fighters and a fixed seed, compared line for line
// with logs that were read through against the rules before they were kept.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "combat/combat_fixture.h"
#include "combat/golden_fights.h"

namespace vorlund::test {

namespace {

std::string goldenPath(const std::string& name) {
  return std::string(VORLUND_GOLDEN_DIR) + "/fight_" + name + ".log";
}

std::vector<std::string> readGolden(const std::string& name) {
  std::vector<std::string> lines;
  std::ifstream in(goldenPath(name));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

void writeGolden(const std::string& name, const std::vector<std::string>& lines) {
  std::ofstream out(goldenPath(name), std::ios::trunc);
  for (const auto& line : lines) out << line << '\n';
}

class GoldenFight : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFight, LogMatchesTheReviewedFight) {
  if (!shippedSphereThere()) GTEST_SKIP() << "no sphere in " << VORLUND_GAME_DIR;
  const GoldenCase& c = GetParam();
  const std::vector<std::string> log = playGoldenFight(c);
  ASSERT_FALSE(log.empty());
  if (std::getenv("VORLUND_REGENERATE_GOLDEN") != nullptr) {
    writeGolden(c.name, log);
    GTEST_SKIP() << "rewrote " << goldenPath(c.name) << ": review it line by line";
  }
  const std::vector<std::string> golden = readGolden(c.name);
  const std::size_t common = std::min(log.size(), golden.size());
  std::size_t first = common;
  for (std::size_t i = 0; i < common; ++i)
    if (log[i] != golden[i]) {
      first = i;
      break;
    }
  EXPECT_TRUE(first == common && log.size() == golden.size())
      << "fight " << c.name << " differs from " << goldenPath(c.name) << " at line " << first + 1
      << (first < log.size() ? "\n  now:    \"" + log[first] + "\"" : "\n  now: (ended)")
      << (first < golden.size() ? "\n  golden: \"" + golden[first] + "\"" : "\n  golden: (ended)")
      << "\nTo regenerate (then review every changed line):\n  VORLUND_REGENERATE_GOLDEN=1 "
         "<build>/tests/combat_tests --gtest_filter='Fights/GoldenFight.*'";
}

INSTANTIATE_TEST_SUITE_P(Fights, GoldenFight, ::testing::ValuesIn(goldenCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace

}  // namespace vorlund::test

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fighters/name_syllables.h"
#include "fighters/race_traits.h"
#include "shell/random.h"

namespace vorlund {
namespace {

std::string shipped(const std::string& name) {
  std::ifstream in(std::string(VORLUND_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> crlfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a line without CR LF at byte " << at;
      break;
    }
    lines.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(ShippedData, NamesAreTheGeneratorsAndFitTheFarm) {
  const std::vector<std::string> names = crlfLines(shipped("names.txt"));
  EXPECT_EQ(names, makeNameList(kShippedNameSeed, kShippedNameCount))
      << "regenerate with: cmake --build BUILD --target regenerate_names";
  EXPECT_GE(std::set<std::string>(names.begin(), names.end()).size(), 2000u);
  for (const auto& n : names) {
    ASSERT_GE(n.size(), 3u) << n;
    // A farm file keeps 28 characters of a name, the sheet shows 34.
    ASSERT_LE(n.size(), 28u) << n;
    ASSERT_NE(n.front(), ' ') << n;
    ASSERT_NE(n.back(), ' ') << n;
  }
}

TEST(ShippedData, RacesAreTheWordsTheRulesKnow) {
  const std::vector<std::string> races = crlfLines(shipped("races.txt"));
  ASSERT_EQ(races.size(), 16u);
  EXPECT_EQ(races[0], "human") << "the top line, offered to the player, never drawn";
  const std::set<std::string> special = {"man dwarf", "wraith"};  // no grave code
  for (std::size_t i = 1; i < races.size(); ++i)
    EXPECT_TRUE(raceCode(races[i]) != 0 || special.count(races[i])) << races[i];
  EXPECT_EQ(std::set<std::string>(races.begin() + 1, races.end()).size(), 15u);
}

TEST(ShippedData, RisksAreTheFiveEntriesInOrder) {
  EXPECT_EQ(shipped("risks.txt"),
            "gamble in the stands\r\npractice to first blood\r\npay for breeding\r\n"
            "betray guest\r\nrest week\r\n");
}

TEST(NameSyllables, FallbackNamesReadWell) {
  RandomGenerator rng{99};
  for (int i = 0; i < 500; ++i) {
    const std::string n = makeFighterName(rng);
    ASSERT_GE(n.size(), 3u);
    ASSERT_LE(n.size(), 25u);
    ASSERT_TRUE(n[0] >= 'A' && n[0] <= 'Z') << n;
  }
}

}  // namespace
}  // namespace vorlund

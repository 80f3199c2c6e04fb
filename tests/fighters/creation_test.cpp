#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "fighters/name_syllables.h"
#include "fighters/name_taking.h"
#include "fighters/opponent_generator.h"
#include "fighters/race_traits.h"
#include "fighters/text_files.h"
#include "management/stable.h"
#include "support/disk_full.h"

namespace vorlund::test {
namespace {

using namespace std::string_literals;

// A started game whose names and races lists are the given texts.
struct Started : Stable {
  Started(const std::string& names, const std::string& races) : Stable(names) {
    dir.write("races.txt", races);
  }
  void lists(const std::string& names, const std::string& races) {
    dir.write("names.txt", names);
    dir.write("races.txt", races);
  }
};

TEST(Generator, SpentOrMissingListsStillGiveAFighter) {
  Started t("Last\r\n", "only\n");
  Game& g = t.g();
  RandomGenerator next{g.rng.seed};
  const std::string crowdsFirstChoice = makeFighterName(next);
  slot(g, 5).Name_String = crowdsFirstChoice;
  generateFighter(g, 2);
  const TCharacterDMG& c = slot(g, 2);
  EXPECT_NE(c.Name_String, crowdsFirstChoice) << "a farm fighter bears that name";
  EXPECT_EQ(t.read("names.txt"), "Last\r\n") << "the first line stays for the wizard";
  EXPECT_EQ(std::make_tuple(c.Race.str(), c.ST + c.DX), std::make_tuple("human", 24));
  EXPECT_EQ(g.log.lines(),
            Lines({"names.txt has run out of names", "races.txt has too few races"}));

  std::filesystem::remove(t.dir.path() / "names.txt");
  std::filesystem::remove(t.dir.path() / "races.txt");
  generateFighter(g, 1);
  EXPECT_EQ(std::make_tuple(Lines(g.log.lines().begin() + 2, g.log.lines().end()),
                            slot(g, 1).Race.str(), t.has("names.txt")),
            std::make_tuple(Lines({"Cannot open file names.txt", "Cannot open file races.txt"}),
                            "human", false))
      << "no list is made up on disk";
  // The wizard offers a human too.
  namesReplace(g.names, {"Ash"});
  namesSetState(g.names, MenuState::ChooseName);
  clickNames(g, 0);
  EXPECT_EQ(std::make_pair(g.names.lines(), g.log.lines().back()),
            std::make_pair(Lines{"human"}, std::string("Cannot open file races.txt")));
}

TEST(Names, AnEmptyLineNamesNoFighter) {
  const std::string names = "Ash\r\n\r\nBirch\r\n\r\n";
  Started t(names, "human\nhuman\n");
  Game& g = t.g();
  clickNames(g, 1);  // the wizard: nothing happens on an empty line
  EXPECT_EQ(std::make_tuple(g.names.state(), slot(g, 1).Name_String.str(), t.read("names.txt")),
            std::make_tuple(MenuState::ChooseName, "", names));
  for (std::uint32_t seed = 0; seed < 20; ++seed) {  // the generator: Birch is the only name
    t.lists(names, "human\nhuman\n");
    g.rng.seed = seed;
    generateFighter(g, 2);
    ASSERT_EQ(slot(g, 2).Name_String, "Birch") << seed;
    ASSERT_EQ(t.read("names.txt"), "Ash\r\n\r\n\r\n");
  }

  Started blank("\r\n\r\n", "human\nhuman\n");
  Game& b = blank.g();
  ASSERT_EQ(b.names.lines().size(), 3u);
  EXPECT_FALSE(b.names.lines()[2].empty()) << "a made-up name to begin with";
  generateFighter(b, 2);
  EXPECT_EQ(std::make_pair(slot(b, 2).Name_String.empty(), b.log.lines()),
            std::make_pair(false, Lines{"names.txt has run out of names"}));
}

// Past 55 points of strength, dexterity and IQ a step costs twice as much for
// every five points more.
TEST(Advancement, PastFiftyFivePointsTheCostDoublesEveryFive) {
  EXPECT_EQ(advancementCost(59), 5000);
  EXPECT_EQ(advancementCost(60), 10000);
}

TEST(TextFiles, LineEndingsAndASaveThatCannotBeMade) {
  test::TestGame t;
  Lines read;
  // clang-format off
  for (const auto& [bytes, lines] : std::vector<std::pair<std::string, Lines>>{
           {"a\r\nb\nc\rd", {"a", "b", "c", "d"}}, {"x\n\n", {"x", ""}}, {"\r\n", {""}}, {"", {}}}) {
    // clang-format on
    t.dir.write("list.txt", bytes);
    ASSERT_TRUE(readLines(t.g(), "list.txt", read));
    EXPECT_EQ(read, lines) << bytes;
  }

  // The disk fills up halfway through the new list: the old list stays whole.
  t.dir.write("names.txt", "Ash\r\nBirch\r\n");
  ASSERT_TRUE(loadIntoNames(t.g(), "names.txt"));
  {
    test::DiskFull full(4);
    EXPECT_EQ(takeNameLine(t.g(), 1), "Birch");
  }
  EXPECT_EQ(std::make_pair(t.g().log.lines(), t.dir.read("names.txt")),
            std::make_pair(Lines{"Cannot write file names.txt"}, "Ash\r\nBirch\r\n"s));
}

TEST(ShippedData, EveryRaceThatCanBeDrawnIsADifferentOneTheRulesKnow) {
  test::TestGame t;
  t.g().dir = std::string(VORLUND_SOURCE_DIR) + "/data";
  Lines races;
  ASSERT_TRUE(readLines(t.g(), "races.txt", races));
  EXPECT_EQ(races.at(0), "human") << "the top line is the player's to choose";
  EXPECT_EQ(std::set<std::string>(races.begin() + 1, races.end()).size(), races.size() - 1);
  for (std::size_t i = 1; i < races.size(); ++i)
    EXPECT_TRUE(raceCode(races[i]) != 0 || races[i] == "man dwarf" || races[i] == "wraith");
  // The shipped names are the made-up list of their seed, name for name.
  Lines names;
  ASSERT_TRUE(readLines(t.g(), "names.txt", names));
  EXPECT_EQ(names, makeNameList(kShippedNameSeed, kShippedNameCount));
}

}  // namespace
}  // namespace vorlund::test

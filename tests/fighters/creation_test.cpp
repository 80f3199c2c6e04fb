#include <gtest/gtest.h>

#include <set>

#include "fighters/name_syllables.h"
#include "fighters/name_taking.h"
#include "fighters/opponent_generator.h"
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

// Who the guest is, his cell and his stake are pinned by the seed catalogue;
// here the draws it does not show, and a slot that held a fighter before.
TEST(Generator, TemperamentFollowsTheStrengthAndTheSlotStartsAfresh) {
  Started t("a\r\nb\r\nc\r\nd\r\n", "x\nhuman\norc\n");
  Game& g = t.g();
  TCharacterDMG& c = slot(g, 2);
  c.Wounds = 5, c.EP = 500, c.IQ = 7, c.DX_next_turn = 3;
  RandomGenerator r{g.rng.seed};
  r.random(3), r.random(2), r.random(8);  // name, race, strength
  const std::vector<int> temperament = {r.dice(2), r.dice(2), r.dice(2), r.dice(2)};
  r.random(1461);  // the cell
  generateFighter(g, 2);
  EXPECT_EQ(std::vector<int>({c.Bravery, c.Honesty, c.Friendliness, c.Mood}), temperament);
  EXPECT_EQ(std::vector<int>({c.IQ, c.Wounds, c.EP, c.DX_next_turn, c.Stance}),
            std::vector<int>({8, 0, 0, 0, 5}));
  EXPECT_EQ(g.rng.seed, r.seed) << "no draw beyond these";
}

TEST(Generator, NeverTheFirstLineNorTheStrongestAndTheTrailFollowsTheName) {
  Started t("", "");
  std::set<int> humanStrengths;
  std::set<std::string> names;
  slot(t.g(), 1).Name_String = "B";
  for (unsigned seed = 0; seed < 120; ++seed) {
    t.lists("First\nB\nC\n", "troll\nhuman\nboa constrictor\n");
    t.g().rng.seed = seed;
    t.g().cellHistory = {};
    generateFighter(t.g(), 2);
    const TCharacterDMG& c = slot(t.g(), 2);
    names.insert(c.Name_String);
    if (c.Race == "human") humanStrengths.insert(c.ST);
    ASSERT_TRUE(c.Race == "human" || (c.Race == "boa constrictor" && c.ST == 12 && c.DX == 12));
    // A guest who bears the player's name has his trail laid on the player's.
    const bool twin = c.Name_String == "B";
    ASSERT_EQ(
        std::make_pair(t.g().cellHistory[twin ? 0 : 1][29], t.g().cellHistory[twin ? 1 : 0][0]),
        std::make_pair(c.Hex, 0));
  }
  EXPECT_EQ(names, (std::set<std::string>{"B", "C"}));
  EXPECT_EQ(humanStrengths, (std::set<int>{8, 9, 10, 11, 12, 13, 14, 15}));
}

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
}

}  // namespace
}  // namespace vorlund::test

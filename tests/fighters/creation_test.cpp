#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fighters/opponent_generator.h"
#include "fighters/text_files.h"
#include "management/names_window.h"
#include "shell/startup.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

using test::TestGame;

// A started game whose data files are the given texts.
struct Game3 : TestGame {
  Game3(const std::string& names, const std::string& races, unsigned seed = 1) {
    dir.write("names.txt", names);
    dir.write("races.txt", races);
    dir.write("risks.txt", "gamble in the stands\r\n");
    EXPECT_TRUE(startGame(g(), seed));
  }
  std::vector<std::string> log() { return g().log.lines; }
};

bool logHas(const Game& g, const std::string& line) {
  for (const auto& l : g.log.lines)
    if (l == line) return true;
  return false;
}

TEST(Generator, NeverDrawsTheFirstLineOfEitherList) {
  std::set<std::string> drawn;
  for (unsigned seed = 0; seed < 60; ++seed) {
    Game3 t("First\nB\nC\nD\n", "troll\r\nboa constrictor\r\nboa constrictor\r\n", seed);
    generateFighter(t.g(), 2);
    const TCharacterDMG& c = slot(t.g(), 2);
    drawn.insert(c.Name_String.str());
    ASSERT_EQ(c.Race, "boa constrictor");
    // The only strength a boa has is always his.
    ASSERT_EQ(c.ST, 12);
    ASSERT_EQ(c.DX, 12);
    ASSERT_EQ(c.IQ, 6);
    ASSERT_EQ(c.MA, 6);
    ASSERT_EQ(t.dir.read("names.txt").substr(0, 7), "First\r\n");
  }
  EXPECT_EQ(drawn, (std::set<std::string>{"B", "C", "D"}));
}

TEST(Generator, HumanStrengthStopsShortOfTheStrongest) {
  std::set<int> seen;
  for (unsigned seed = 0; seed < 120; ++seed) {
    Game3 t("a\nb\nc\n", "human\nhuman\n", seed);
    generateFighter(t.g(), 2);
    const TCharacterDMG& c = slot(t.g(), 2);
    ASSERT_EQ(c.DX, 24 - c.ST);
    seen.insert(c.ST);
  }
  EXPECT_EQ(seen, (std::set<int>{8, 9, 10, 11, 12, 13, 14, 15}));
}

TEST(Generator, TakesExactlyOneNameAndRewritesTheFileAtOnce) {
  Game3 t("Ash\r\nBirch\r\nCedar\r\nDun\r\nElm\r\n", "x\nhuman\n", 7);
  RandomGenerator expected{t.g().rng.seed};
  const int index = expected.random(4) + 1;
  generateFighter(t.g(), 2);
  const std::vector<std::string> all = {"Ash", "Birch", "Cedar", "Dun", "Elm"};
  EXPECT_EQ(slot(t.g(), 2).Name_String, all[index]);
  std::string rest;
  for (int i = 0; i < 5; ++i)
    if (i != index) rest += all[i] + "\r\n";
  EXPECT_EQ(t.dir.read("names.txt"), rest);
  EXPECT_FALSE(std::filesystem::exists(t.dir.path() / "names.txt.tmp"));
}

TEST(Generator, DrawsInItsDocumentedOrder) {
  Game3 t("a\nb\nc\nd\n", "x\nhuman\norc\n", 3);
  Game& g = t.g();
  RandomGenerator r{g.rng.seed};
  const int nameIndex = r.random(3) + 1;
  const int raceIndex = r.random(2) + 1;
  const int st = 8 + r.random(8);
  const int bravery = r.dice(2);
  const int honesty = r.dice(2);
  const int friendliness = r.dice(2);
  const int mood = r.dice(2);
  const int hex = r.random(1461);
  generateFighter(g, 2);
  const TCharacterDMG& c = slot(g, 2);
  EXPECT_EQ(c.Name_String, std::string(1, "abcd"[nameIndex]));
  EXPECT_EQ(c.Race, raceIndex == 1 ? "human" : "orc");
  EXPECT_EQ(c.ST, st);
  EXPECT_EQ(std::vector<int>({c.Bravery, c.Honesty, c.Friendliness, c.Mood}),
            std::vector<int>({bravery, honesty, friendliness, mood}));
  EXPECT_EQ(c.Hex, hex);
  EXPECT_EQ(g.rng.seed, r.seed) << "no draw beyond these";
  for (int cell : g.cellHistory[1]) EXPECT_EQ(cell, hex);
  // The value is taken before IQ comes with the race: a fresh record's 0.
  EXPECT_EQ(c.Bet_value, 10 * st + (24 - st) * (24 - st) + 30);
  EXPECT_EQ(c.IQ, 8);
  EXPECT_EQ(c.Stance, 5);
  // The list is left holding the strength values.
  EXPECT_EQ(g.names.lines.front(), "8");
  EXPECT_EQ(g.names.lines.back(), "16");
}

TEST(Generator, MakesUpANameWhenTheListIsSpent) {
  Game3 t("Last\r\n", "x\nhuman\n");
  generateFighter(t.g(), 2);
  const TCharacterDMG& c = slot(t.g(), 2);
  EXPECT_GE(c.Name_String.size(), 3u);
  EXPECT_NE(c.Name_String, "Last");
  EXPECT_TRUE(logHas(t.g(), "names.txt has run out of names"));
  EXPECT_EQ(t.dir.read("names.txt"), "Last\r\n") << "the first line stays for the wizard";
  EXPECT_EQ(c.Race, "human");
}

TEST(Generator, SurvivesMissingAndShortFiles) {
  Game3 t("", "only\n");
  std::filesystem::remove(t.dir.path() / "names.txt");
  generateFighter(t.g(), 2);
  const TCharacterDMG& c = slot(t.g(), 2);
  EXPECT_FALSE(c.Name_String.empty());
  EXPECT_TRUE(logHas(t.g(), "Cannot open file names.txt"));
  EXPECT_FALSE(std::filesystem::exists(t.dir.path() / "names.txt")) << "no file is made up";
  EXPECT_TRUE(logHas(t.g(), "races.txt has too few races"));
  EXPECT_EQ(c.Race, "human");
  EXPECT_EQ(c.ST + c.DX, 24);

  std::filesystem::remove(t.dir.path() / "races.txt");
  generateFighter(t.g(), 1);
  EXPECT_TRUE(logHas(t.g(), "Cannot open file races.txt"));
  EXPECT_EQ(slot(t.g(), 1).Race, "human");
}

TEST(Wizard, NameRaceStrengthMakeAshTheHuman) {
  Game3 t("Ash\r\nBirch\r\nCedar\r\nDun\r\n", "human\r\nhuman\r\norc\r\n");
  Game& g = t.g();
  clickNames(g, 0);  // the first line is the player's to choose
  EXPECT_EQ(slot(g, 1).Name_String, "Ash");
  EXPECT_EQ(t.dir.read("names.txt"), "Birch\r\nCedar\r\nDun\r\n");
  EXPECT_EQ(g.names.state, 2);
  EXPECT_EQ(g.names.lines, (std::vector<std::string>{"human", "human", "orc"}));
  EXPECT_EQ(g.us.lines[0].substr(5, 4), "Ash ");

  clickNames(g, 1);
  EXPECT_EQ(slot(g, 1).Race, "human");
  EXPECT_EQ(g.names.state, 6);
  EXPECT_EQ(g.names.lines,
            (std::vector<std::string>{"8", "9", "10", "11", "12", "13", "14", "15", "16"}));

  clickNames(g, 4);
  const TCharacterDMG& ash = slot(g, 1);
  EXPECT_EQ(g.names.state, 7);
  EXPECT_EQ(std::make_tuple(ash.ST, ash.DX, ash.IQ, ash.MA), std::make_tuple(12, 12, 8, 10));
  ASSERT_FALSE(g.log.lines.empty());
  EXPECT_EQ(g.log.lines.front(), "Ash human 12 12");
  // The match for stakes follows at once, against a guest from the list.
  const TCharacterDMG& guest = slot(g, 2);
  EXPECT_EQ(ash.Bet_value, 2352);
  EXPECT_EQ(ash.Coin, 1375000 - 2352);
  EXPECT_EQ(g.names.lines[1], "Ash$2352");
  EXPECT_EQ(g.names.lines[2], guest.Name_String.str() + "$" + std::to_string(guest.Bet_value));
  EXPECT_EQ(g.names.lines.back(), "release fighters");
  EXPECT_EQ(t.dir.read("names.txt").find(guest.Name_String.str() + "\r\n"), std::string::npos);
}

TEST(Wizard, StrongestHumanHasLeastSkill) {
  Game3 t("Ash\nBirch\nCedar\n", "human\nhuman\n");
  Game& g = t.g();
  clickNames(g, 0);
  clickNames(g, 0);
  clickNames(g, 8);
  EXPECT_EQ(std::make_pair(slot(g, 1).ST, slot(g, 1).DX), std::make_pair(16, 8));
  EXPECT_EQ(g.log.lines.front(), "Ash human 16 8");
}

TEST(Wizard, UnreadableRacesStillOfferAHuman) {
  Game3 t("Ash\nBirch\n", "");
  std::filesystem::remove(t.dir.path() / "races.txt");
  clickNames(t.g(), 0);
  EXPECT_EQ(t.g().names.lines, std::vector<std::string>{"human"});
  EXPECT_TRUE(logHas(t.g(), "Cannot open file races.txt"));
}

TEST(TextFiles, WritesCrLfAndKeepsTheOldFileWhenItCannot) {
  TestGame t;
  EXPECT_TRUE(writeLines(t.g(), "list.txt", {"a b", "", "c"}));
  EXPECT_EQ(t.dir.read("list.txt"), "a b\r\n\r\nc\r\n");
  EXPECT_TRUE(writeLines(t.g(), "list.txt", {}));
  EXPECT_EQ(t.dir.read("list.txt"), "");
  std::vector<std::string> back;
  ASSERT_TRUE(readLines(t.g(), "list.txt", back));
  EXPECT_TRUE(back.empty());

  // A folder where the file should be: the save fails and leaves no litter.
  std::filesystem::create_directory(t.dir.path() / "names.txt");
  std::filesystem::create_directory(t.dir.path() / "names.txt" / "keep");
  EXPECT_FALSE(writeLines(t.g(), "names.txt", {"x"}));
  EXPECT_FALSE(std::filesystem::exists(t.dir.path() / "names.txt.tmp"));
  EXPECT_TRUE(std::filesystem::exists(t.dir.path() / "names.txt" / "keep"));
}

}  // namespace
}  // namespace vorlund

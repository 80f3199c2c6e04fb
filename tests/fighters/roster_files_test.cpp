// The farm (characters.svd) and the graveyard (graveL.ist): their bytes,
// what the first tick makes of them, and damaged files refused whole.
#include "fighters/roster_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fighters/graveyard_file.h"
#include "loop/tick.h"
#include "management/stable.h"

namespace vorlund::test {
namespace {

using namespace std::string_literals;

const std::string kBlanks28(28, ' ');
const Lines kFarmRefused = {"characters.svd is damaged: the farm was not loaded"};

std::string le32(std::int32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
  return s;
}

// A started game in its own folder, before its first tick.
struct Started : Stable {
  Started() : Stable("Ash\r\nBirch\r\nCedar\r\n", false) {}
};

// The farm file of a game whose first `named` farm slots hold fighters.
std::string farmFile(int named) {
  Started t;
  const char* names[] = {"Cedar", "Dun", "Elm", "Fir", "Gorse", "Holm"};
  for (int i = 0; i < named; ++i) t.make(3 + i, names[i], "human", 13);
  const Bytes bytes = encodeRoster(t.g());
  return {bytes.begin(), bytes.end()};
}

TEST(RosterFile, AnotherFormatLoadsNoFighterButTellsItsNumberAndIsKept) {
  const std::string other = le32(2) + farmFile(3).substr(4);
  Started next;
  next.dir.write(kRosterFileName, other);
  timer1Timer(next.g());
  EXPECT_EQ(std::make_tuple(next.g().names.state(), next.log(), slot(next.g(), 3).Name_String.str(),
                            next.read(kRosterFileName)),
            std::make_tuple(MenuState::ChooseName, Lines{"2"}, "", other))
      << "the file is left as it was";
  formClose(next.g());
  EXPECT_EQ(std::make_tuple(next.read("characters.svd.bak"), next.read(kRosterFileName).size(),
                            next.log().back()),
            std::make_tuple(other, 1619u, "characters.svd kept as characters.svd.bak"s));
}

// Every length but the right one is refused whole, and the file stays.
TEST(RosterFile, EveryTruncationAndEveryOverlengthIsRefusedWhole) {
  const std::string good = farmFile(6);
  Started next;
  Game& g = next.g();
  TCharacterDMG& ash = next.make(1, "Ash");
  ash.Coin = 12;
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n < good.size(); ++n) lengths.push_back(n);
  lengths.insert(lengths.end(), {1620, 1700, 4096});
  for (const std::size_t n : lengths) {
    const std::string bytes =
        n <= good.size() ? good.substr(0, n) : good + std::string(n - 1619, 'z');
    // A new file each time: rewriting one in place waits for the disk.
    std::filesystem::remove(next.dir.path() / kRosterFileName);
    next.dir.write(kRosterFileName, bytes);
    logClear(g.log);
    ASSERT_EQ(loadRoster(g), 0) << n;
    const std::string fault =
        n < 1619 ? "cut short (" + std::to_string(n) + " of 1619 bytes)" : "longer than 1619 bytes";
    Lines expected = kFarmRefused;
    if (n >= 4 && n <= 1619) expected.insert(expected.begin(), "1");
    ASSERT_EQ(next.log(), expected) << n;
    ASSERT_EQ(next.platform->failures.back().reason, fault) << n;
    ASSERT_EQ(next.read(kRosterFileName), bytes) << n;
    for (int s = 3; s <= 8; ++s) ASSERT_EQ(slot(g, s).Name_String, "") << n;
    ASSERT_TRUE(g.rosterFileRefused);
  }
  EXPECT_EQ(std::make_pair(ash.Name_String.str(), ash.Coin), std::make_pair("Ash"s, 12));
  EXPECT_FALSE(g.necromancerHired);
}

TEST(RosterFile, ValuesNoFighterCanHaveAreDamage) {
  struct Case {
    std::size_t offset;
    std::string bytes, fault;
  };
  const std::size_t slot5 = 5 + 2 * 269, ints = 168;
  const std::string good = farmFile(6);
  for (const Case& c : std::vector<Case>{
           {4, "\x02", "necromancer flag 2"},
           {5 + 268, "\x02", "slot 3 Rest_Last_Week 2"},
           {slot5 + ints, le32(5000), "slot 5 ST 5000"},
           {5 + ints + 4, le32(INT32_MAX), "slot 3 Bare_hand_D 2147483647"},
           {5 + 5 * 269 + ints, le32(0), "slot 8 ST 0"},  // a named fighter without a body
       }) {
    Started next;
    next.dir.write(kRosterFileName, std::string(good).replace(c.offset, c.bytes.size(), c.bytes));
    EXPECT_EQ(loadRoster(next.g()), 0);
    EXPECT_EQ(std::make_tuple(next.log(), next.platform->failures.back().reason,
                              slot(next.g(), 3).Name_String.str()),
              std::make_tuple(Lines{"1", kFarmRefused[0]}, c.fault, ""s));
  }
}

// The graveyard's bytes are in every recorded game's end; the largest one a
// file may hold is read whole.
TEST(GraveFile, AGraveyardOfTheMostGravesIsRead) {
  Started next;
  std::string full = le32(5000);
  for (int i = 0; i < 5000; ++i) full += le32(i % 1462) + le32(i) + le32(i % 14);
  next.dir.write(kGraveFileName, full);
  loadGraveyard(next.g());
  EXPECT_EQ(std::make_tuple(next.g().graveyard.count, next.g().graveyard.graves[4999].race,
                            next.g().graveyard.graves[1461].cell, next.log()),
            std::make_tuple(5000, 4999 % 14, 1461, Lines{}));
}

TEST(GraveFile, ADamagedGraveyardIsRefusedWholeAndSetAside) {
  const std::string one = le32(10) + le32(2) + le32(1);
  for (const auto& [bytes, fault] : std::vector<std::pair<std::string, std::string>>{
           {"", "cut short (0 bytes)"},
           {"\x01\x00\x00"s, "cut short (3 bytes)"},
           {le32(-1), "count -1"},
           {le32(INT32_MIN) + one, "count -2147483648"},
           {le32(5001) + one, "count 5001 above 5000"},
           {le32(3) + one + one, "count 3 needs 40 bytes, not 28"},
           {le32(1) + one + "z", "count 1 needs 16 bytes, not 17"},
           {le32(1) + std::string(70000, '\0'), "longer than 60004 bytes"},
           {le32(1) + le32(1462) + le32(1) + le32(1), "grave 1 cell 1462"},
           {le32(2) + one + le32(-4) + le32(1) + le32(1), "grave 2 cell -4"},
           {le32(1) + le32(5) + le32(-1) + le32(1), "grave 1 age -1"},
           {le32(1) + le32(5) + le32(1) + le32(14), "grave 1 race 14"},
       }) {
    Started t;
    t.dir.write(kGraveFileName, bytes);
    timer1Timer(t.g());
    EXPECT_EQ(t.log(), Lines{"graveL.ist is damaged: the graveyard was not loaded"});
    EXPECT_EQ(t.platform->failures.back().reason, fault);
    EXPECT_EQ(std::make_pair(t.g().graveyard.count, t.g().graveyard.graves[0].age),
              std::make_pair(1, 0))
        << "the new game's one grave: " << fault;
    EXPECT_EQ(t.read(kGraveFileName), bytes);
    formClose(t.g());
    EXPECT_EQ(std::make_tuple(t.platform->errors, t.read("graveL.ist.bak"), t.read(kGraveFileName)),
              std::make_tuple(Lines{}, bytes,
                              le32(1) + le32(t.g().graveyard.graves[0].cell) + le32(0) + le32(0)));
  }
}

TEST(Shutdown, AFileThatCannotBeSavedIsToldAndTheOthersAreStillSaved) {
  Started t;
  timer1Timer(t.g());
  std::filesystem::create_directory(t.dir.path() / kRosterFileName);
  formClose(t.g());
  EXPECT_EQ(t.platform->errors, Lines{"Cannot create file characters.svd"});
  EXPECT_EQ(std::make_pair(t.platform->failures.back().file, t.platform->failures.back().reason),
            std::make_pair("characters.svd"s, "not a regular file"s));
  EXPECT_EQ(t.read(kGraveFileName).size(), 16u);
  EXPECT_TRUE(t.has("aapla2.pla") && t.has("adia2.equ"));
}

TEST(Shutdown, ADamagedFileThePlayerMadeReadOnlyIsLeftAsItIs) {
  Started t;
  t.dir.write(kGraveFileName, "junk");
  std::filesystem::permissions(t.dir.path() / kGraveFileName, std::filesystem::perms::owner_read);
  timer1Timer(t.g());
  formClose(t.g());
  EXPECT_EQ(std::make_tuple(t.platform->errors, t.platform->failures.back().reason,
                            t.read(kGraveFileName), t.has("graveL.ist.bak")),
            std::make_tuple(Lines{"Cannot create file graveL.ist"}, "the file is read-only"s,
                            "junk"s, false));
}

}  // namespace
}  // namespace vorlund::test

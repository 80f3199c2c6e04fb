#include "loop/recorded_start.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "loop/last_game.h"
#include "loop/recorded_game.h"
#include "loop/recording.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

namespace fs = std::filesystem;

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string binary(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919u) >> 3);
  return bytes;
}

// A folder with every kind of file a start can meet: text and binary files
// play writes, read-only files equal to the installed data's and one that is
// not, a folder in a file's place, a file too large for any reader, a file
// that is missing.
struct Folders {
  Folders() {
    game.write("names.txt", "Ash\r\nBryn Cor\r\n");
    game.write("characters.svd", binary(1619));
    fs::create_directory(game.path() / "graveL.ist");
    game.write("adia2.equ", "");
    fs::resize_file(game.path() / "adia2.equ", kLargestStartFile + 1);
    for (const TempDir* d : {&game, &installed}) {
      d->write("races.txt", "human\r\norc\r\n");
      d->write("aorb1.orb", binary(35064));
    }
    game.write("risks.txt", "rest week\r\n");
    installed.write("risks.txt", "gamble in the stands\r\n");
  }
  using TempDir = test::TempDir;
  TempDir game, installed, replay;
};

// The start names every file the game reads; carried files come back byte
// for byte, the installed data's own from there, and the rest as what they
// were: a folder, a file of the same size, nothing.
TEST(RecordedStart, CarriesTheGameFolderAndLaysItOutAgain) {
  Folders f;
  const std::vector<std::string> lines =
      startLines(captureStart(f.game.path(), f.installed.path()));
  const std::string text = joined(lines);
  for (const char* line :
       {"start-file names.txt zlib 15 ", "start-file races.txt installed 12 ",
        "start-file risks.txt zlib 11 ", "start-file graveL.ist not-a-file\n",
        "start-file adia2.equ too-large 16777217\n", "start-file aapla2.pla missing\n",
        "start-file aorb1.orb installed 35064 ", "start-file atri1.tri missing\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  for (const std::string& l : lines) EXPECT_LE(l.size(), 11u + 76u) << l;

  StartReader reader;
  std::string error;
  for (const std::string& l : lines) ASSERT_TRUE(reader.read(l, error)) << l << ": " << error;
  ASSERT_TRUE(reader.finish(error)) << error;
  EXPECT_FALSE(checkInstalled(reader.start(), f.installed.path()));
  ASSERT_FALSE(layOutStart(reader.start(), f.replay.path() / "new", f.installed.path()));
  const fs::path out = f.replay.path() / "new";
  for (const char* name : {"names.txt", "characters.svd", "races.txt", "risks.txt", "aorb1.orb"})
    EXPECT_EQ(f.game.read(name), contents(out / name)) << name;
  EXPECT_TRUE(fs::is_directory(out / "graveL.ist"));
  EXPECT_EQ(fs::file_size(out / "adia2.equ"), kLargestStartFile + 1);
  EXPECT_FALSE(fs::exists(out / "aapla2.pla"));

  // Put back over its own layout the start changes nothing; a file too large of
  // another size is not the one the game met, and is kept aside.
  ASSERT_FALSE(restoreStart(reader.start(), out, f.installed.path()));
  fs::resize_file(out / "adia2.equ", kLargestStartFile + 2);
  ASSERT_FALSE(restoreStart(reader.start(), out, f.installed.path()));
  std::vector<std::string> aside;
  for (const auto& e : fs::directory_iterator(out))
    if (e.path().string().find(".bak") != std::string::npos) aside.push_back(e.path().filename());
  EXPECT_EQ(aside, std::vector<std::string>{"adia2.equ.bak"});
  EXPECT_EQ(fs::file_size(out / "adia2.equ.bak"), kLargestStartFile + 2);
  EXPECT_EQ(fs::file_size(out / "adia2.equ"), kLargestStartFile + 1);

  // Another version's data is not the data the game was played with.
  f.installed.write("races.txt", "human\r\nelf\r\n");
  const std::optional<Failure> other = checkInstalled(reader.start(), f.installed.path());
  ASSERT_TRUE(other);
  EXPECT_NE(other->message.find("races.txt of the installed"), std::string::npos);
}

// A recording is read whole before anything of it is played, and refused at
// its first damaged line: a start cut short, a wrong CRC-32, a line that is
// no base64, garbage, a command after the close. A last line without its
// line feed was cut by the crash and is not read.
TEST(RecordedGameReader, RefusesADamagedRecordingNamingItsLine) {
  Folders f;
  std::vector<std::string> lines = startLines(captureStart(f.game.path(), {}));
  lines.insert(lines.begin(), "seed 7");
  for (const char* l :
       {"purses 1 2 3 4 5 6 7 8", "tick 3", "click #2", "recovered 1", "tick 2", "key 38 shift"})
    lines.push_back(l);
  RecordedGame rec;
  ASSERT_FALSE(readRecording(joined(lines) + "close\nclick #", rec));
  EXPECT_EQ(rec.seed, 7u);
  EXPECT_TRUE(rec.closed);
  EXPECT_EQ(rec.inputs, 2u) << "the recovery is the game's own line, no input";
  EXPECT_EQ(rec.stepsToLastInput, rec.steps.size());
  EXPECT_EQ(rec.wholeBytes, joined(lines).size() + 6);
  ASSERT_EQ(rec.start.find("names.txt")->bytes.size(), 15u);

  const auto firstData =
      std::ranges::find_if(lines, [](const std::string& l) { return l.starts_with("start-data"); });
  const int dataLine = static_cast<int>(firstData - lines.begin()) + 1;
  const auto damaged = [&](auto change) {
    std::vector<std::string> copy = lines;
    change(copy);
    RecordedGame out;
    return readRecording(joined(copy), out).value_or(Failure{}).message;
  };
  EXPECT_EQ(damaged([&](auto& c) { c.erase(c.begin() + dataLine - 1); }),
            "line " + std::to_string(dataLine) +
                ": the start's names.txt is cut short: 0 of its 1 start-data lines");
  EXPECT_EQ(damaged([&](auto& c) {
              std::string& header = c[dataLine - 2];
              header[header.size() - 3] = header[header.size() - 3] == '0' ? '1' : '0';
            }),
            "line " + std::to_string(dataLine) +
                ": the start's names.txt is damaged: it does not match its size and CRC-32");
  const std::string notBase64 =
      "line " + std::to_string(dataLine) + ": damaged start-data: not base64";
  EXPECT_EQ(damaged([&](auto& c) { c[dataLine - 1][12] = '*'; }), notBase64);
  EXPECT_EQ(damaged([&](auto& c) { c[dataLine - 1].pop_back(); }), notBase64);
  EXPECT_EQ(damaged([](auto& c) {
              c[0] =
                  "\x7f"
                  "ELF";
            }),
            "line 1: a recording opens with its seed: \x7f"
            "ELF");
  EXPECT_EQ(damaged([](auto& c) { c.push_back("close"), c.push_back("tick 1"); }),
            "line " + std::to_string(lines.size() + 2) + ": nothing may follow the close");
  EXPECT_EQ(damaged([](auto& c) { c.push_back("start-file face.equ missing"); }),
            "line " + std::to_string(lines.size() + 1) +
                ": the start must come before the game's first tick and input");

  // A carried file has at most the data lines of 16 MiB that would not deflate.
  std::string error;
  EXPECT_TRUE(StartReader().read("start-file adia2.equ zlib 9 00000000 294633", error));
  EXPECT_FALSE(StartReader().read("start-file adia2.equ zlib 9 00000000 294634", error));
  EXPECT_EQ(error, "bad start-file: start-file adia2.equ zlib 9 00000000 294634");
}

// What a start finds of the last game: nothing while a running game holds
// its recording; a game that closed, or lost no input; a game to play again,
// its folder put back as it started (names.txt replaced, anything else that
// differs kept aside); one that stopped twice right after it was played
// again, set aside with what the player reads.
TEST(LastGame, IsPlayedAgainOnlyWhenItDidNotCloseAndCanBe) {
  test::TestGame t;
  Game& g = t.g();
  const fs::path dir = t.dir.path();
  t.dir.write("names.txt", "Ash\r\nBryn Cor\r\n");
  t.dir.write("graveL.ist", std::string("\0\0\0\0", 4));
  GameRecording r;
  ASSERT_TRUE(r.start(g, 5, 64, {}));
  EXPECT_EQ(examineLastGame(dir, {}).state, LastGame::State::None) << "held by the running game";
  r.input(NamesClick{1});
  r.tick();
  const std::string killed = t.dir.read(kLastGameFile);
  r.close();
  EXPECT_EQ(examineLastGame(dir, {}).state, LastGame::State::Closed);

  // Killed between the ticks before an input and the input itself, in the
  // middle of the next line: the game goes on after its last input.
  t.dir.write(kLastGameFile, killed + "tick 5\nclic");
  LastGame last = examineLastGame(dir, {});
  ASSERT_EQ(last.state, LastGame::State::Unclosed) << last.why;
  GameRecording resumed;
  ASSERT_TRUE(resumed.resume(g, last.recording.bytesToLastInput));
  resumed.input(Recovered{1});
  EXPECT_EQ(t.dir.read(kLastGameFile), killed + "recovered 1\n");
  resumed.close();
  t.dir.write(kLastGameFile, killed);
  t.dir.write("names.txt", "Ash\r\n");
  t.dir.write("graveL.ist", std::string("\1\0\0\0\7\0\0\0\1\0\0\0\1\0\0\0", 16));
  t.dir.write("characters.svd", "new");
  ASSERT_FALSE(restoreStart(last.recording.start, dir, {}));
  EXPECT_EQ(t.dir.read("names.txt"), "Ash\r\nBryn Cor\r\n");
  EXPECT_FALSE(fs::exists(dir / "names.txt.bak"));
  EXPECT_EQ(t.dir.read("graveL.ist"), std::string("\0\0\0\0", 4));
  EXPECT_EQ(t.dir.read("graveL.ist.bak").size(), 16u);
  EXPECT_FALSE(fs::exists(dir / "characters.svd"));
  EXPECT_EQ(t.dir.read("characters.svd.bak"), "new");

  t.dir.write(kLastGameFile, killed + "recovered 1\npace 64\nrecovered 1\n");
  last = examineLastGame(dir, {});
  ASSERT_EQ(last.state, LastGame::State::Unplayable);
  EXPECT_EQ(setLastGameAside(dir, last.why).message,
            "The last game did not close and cannot be played again (it stopped again twice "
            "right after it was played again): its recording is kept as last-game.vsim.bak");
  EXPECT_EQ(t.dir.read("last-game.vsim.bak").substr(0, killed.size()), killed);
  EXPECT_EQ(examineLastGame(dir, {}).state, LastGame::State::None);
}

}  // namespace
}  // namespace vorlund

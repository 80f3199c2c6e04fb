#include "panels/log_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_game.h"

namespace vorlund {
namespace {

using Lines = std::vector<std::string>;

TEST(LogFile, EveryLineEndsInALineFeedAndBadBytesBecomeReplacementCharacters) {
  const struct {
    Lines lines;
    std::string text;
  } cases[] = {
      {{}, ""},
      {{""}, "\n"},
      {{"", " distance: 12", ""}, "\n distance: 12\n\n"},
      {{"Zo\xC3\xAB rolled 9", " vs. DX 12 and"}, "Zo\xC3\xAB rolled 9\n vs. DX 12 and\n"},
      {{"Ash\xFF", "\xC3"}, "Ash\xEF\xBF\xBD\n\xEF\xBF\xBD\n"},
      {{"a\r"}, "a\r\n"},  // a line is written as it is, whatever it holds
  };
  for (const auto& c : cases) EXPECT_EQ(logFileText(c.lines), c.text);
}

TEST(LogFile, SavedWholeThroughTheAtomicWriterAndAFailureIsTold) {
  test::TempDir dir;
  const Lines lines = {"", "T U R N :  1", " distance: 12", "Ash rolled 7"};
  ASSERT_TRUE(saveLogFile(lines, dir.path() / "fight.txt"));
  EXPECT_EQ(dir.read("fight.txt"), "\nT U R N :  1\n distance: 12\nAsh rolled 7\n");
  // A shorter Log replaces the longer file whole.
  ASSERT_TRUE(saveLogFile({"x"}, dir.path() / "fight.txt"));
  EXPECT_EQ(dir.read("fight.txt"), "x\n");

  // A folder in the file's place is refused in a scenario.
  EXPECT_FALSE(saveLogFile(lines, dir.path() / "no such folder" / "fight.txt"));
}

TEST(LogFile, OfferedNameCarriesTheDateAndTime) {
  std::tm t{};
  t.tm_year = 2026 - 1900, t.tm_mon = 0, t.tm_mday = 1, t.tm_hour = 0, t.tm_min = 5;
  EXPECT_EQ(logFileName(t), "vorlund-log-2026-01-01-0005.txt");
}

}  // namespace
}  // namespace vorlund

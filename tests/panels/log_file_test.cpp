#include "panels/log_file.h"

#include <gtest/gtest.h>

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
      {{"\x80\xBF"}, "\xEF\xBF\xBD\xEF\xBF\xBD\n"},  // continuation bytes with no lead
      {{"a\r"}, "a\r\n"},  // a line is written as it is, whatever it holds
  };
  for (const auto& c : cases) EXPECT_EQ(logFileText(c.lines), c.text);
}

}  // namespace
}  // namespace vorlund

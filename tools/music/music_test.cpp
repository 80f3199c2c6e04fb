#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "score.h"
#include "synth.h"
#include "wav_file.h"

namespace vorlund::music {
namespace {

TEST(Wav, HeaderOfAMono16BitFile) {
  const auto bytes = wavBytes({1, -2, 0x1234}, 44100);
  ASSERT_EQ(bytes.size(), 44u + 6u);
  const std::vector<std::uint8_t> header = {
      'R', 'I', 'F', 'F', 42, 0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
      ' ', 16,  0,   0,   0,  1, 0,   1,   0,   0x44, 0xAC, 0,   0,   0x88, 0x58,
      1,   0,   2,   0,   16, 0, 'd', 'a', 't', 'a',  6,    0,   0,   0};
  EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
  const std::vector<std::uint8_t> data = {1, 0, 0xFE, 0xFF, 0x34, 0x12};
  EXPECT_TRUE(std::equal(data.begin(), data.end(), bytes.begin() + 44));
}

TEST(Tune, CalmLengthWholeBarsAndTheSameEveryTime) {
  const Score a = composeWendlebrook(1813);
  const Score b = composeWendlebrook(1813);
  const double seconds = a.beats * 60.0 / a.beatsPerMinute;
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 120.0);
  EXPECT_LE(a.beatsPerMinute, 80.0);
  EXPECT_EQ(a.beats % 4, 0);
  ASSERT_EQ(a.notes.size(), b.notes.size());
  for (std::size_t i = 0; i < a.notes.size(); ++i) EXPECT_EQ(a.notes[i].pitch, b.notes[i].pitch);
  for (const Note& n : a.notes) {
    EXPECT_GE(n.start, 0.0);
    EXPECT_LT(n.start, a.beats);
    EXPECT_GE(n.pitch, 28);
    EXPECT_LE(n.pitch, 84);
  }
}

// The end flows into the start: the jump across the loop is no larger than
// all but the largest hundredth of the jumps between neighbouring samples
// inside the tune (a tune cut off at its end jumps far more), and the samples
// use the range without clipping.
TEST(Tune, LoopsWithoutASeamAndNeverClips) {
  const auto pcm = toPcm16(synthesise(composeWendlebrook(1813)), 0.89);
  std::vector<int> steps;
  for (std::size_t i = 1; i < pcm.size(); ++i) steps.push_back(std::abs(pcm[i] - pcm[i - 1]));
  const auto p99 = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100);
  std::nth_element(steps.begin(), p99, steps.end());
  EXPECT_LE(std::abs(pcm.front() - pcm.back()), *p99);
  const auto [lo, hi] = std::minmax_element(pcm.begin(), pcm.end());
  EXPECT_EQ(std::max(-*lo, static_cast<int>(*hi)), std::lround(0.89 * 32767));
}

}  // namespace
}  // namespace vorlund::music

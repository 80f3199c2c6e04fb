#pragma once
#include <cstdint>
#include <vector>

#include "score.h"

namespace vorlund::music {

constexpr int kSampleRate = 44100;

// Plays the score into a mono buffer of exactly the tune's length. Sound that
// rings on past the end (releases, the room's echo) is folded back onto the
// start, so that the tune loops without a seam.
std::vector<float> synthesise(const Score& score);

// The buffer scaled to a peak of `peak` of full scale, as 16-bit samples.
std::vector<std::int16_t> toPcm16(const std::vector<float>& samples, double peak);

}  // namespace vorlund::music

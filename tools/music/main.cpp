// vorlund-music: composes the game's tune and writes it as a WAV file, which
// the build then encodes as "wendlebrook_song_one.mp3".
#include <cstdio>
#include <string>

#include "score.h"
#include "synth.h"
#include "wav_file.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]) == "--help") {
    std::fprintf(stderr, "usage: vorlund-music OUT.wav\n");
    return argc == 2 ? 0 : 2;
  }
  using namespace vorlund::music;
  constexpr std::uint32_t kSeed = 1813;
  const Score score = composeWendlebrook(kSeed);
  const auto pcm = toPcm16(synthesise(score), 0.89);  // -1 dB of full scale
  std::string error;
  if (!writeFile(argv[1], wavBytes(pcm, kSampleRate), error)) {
    std::fprintf(stderr, "vorlund-music: %s\n", error.c_str());
    return 1;
  }
  std::printf("vorlund-music: %zu notes, %.1f seconds\n", score.notes.size(),
              static_cast<double>(pcm.size()) / kSampleRate);
  return 0;
}

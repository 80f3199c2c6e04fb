#pragma once
#include <cstdint>
#include <vector>

namespace vorlund::music {

enum class Voice { Pad, Bass, Melody, Arpeggio };

// One note of the score; times in beats from the start of the tune.
struct Note {
  double start;
  double length;
  int pitch;  // MIDI number: 60 is middle C
  double loudness;
  Voice voice;
};

struct Score {
  double beatsPerMinute;
  int beats;  // length of the tune; it loops back to beat 0
  std::vector<Note> notes;
};

// "Wendlebrook, song one": a calm tune in F major, 32 bars of four beats
// whose last bar leads back into the first, so that it loops without a seam.
// The same seed always writes the same tune.
Score composeWendlebrook(std::uint32_t seed);

}  // namespace vorlund::music

#include "score.h"

#include <array>
#include <cstdlib>

namespace vorlund::music {
namespace {

constexpr int kBeatsPerBar = 4;
constexpr int kTonic = 53;  // F3

// The tune's own small random generator, so that the score does not depend
// on any library's.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed) {}
  int below(int n) {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int>((static_cast<std::uint64_t>(state_) * static_cast<unsigned>(n)) >> 32);
  }

 private:
  std::uint32_t state_;
};

// A chord as semitones above the tonic: root, third, fifth (and a colour).
struct Chord {
  std::array<int, 4> tones;
};

constexpr Chord kI{{0, 4, 7, 14}};      // F  (add 9)
constexpr Chord kVi{{-3, 0, 4, 11}};    // Dm (7)
constexpr Chord kIV{{-7, -3, 0, 7}};    // Bb (add 9)
constexpr Chord kV{{-5, -1, 2, 5}};     // C  (7)
constexpr Chord kIii{{-8, -5, -1, 2}};  // Am (7)
constexpr Chord kIIm{{2, 5, 9, 12}};    // Gm (7)

// Four phrases of eight bars: A, A with a new tune, B, A again. The last bar
// is the dominant, which resolves on the first bar when the tune loops.
constexpr std::array<Chord, 32> kProgression = {
    kI,  kVi,  kIV,  kV,  kI,  kVi,  kIIm, kV,  // A
    kI,  kIii, kIV,  kI,  kVi, kIIm, kIV,  kV,  // A'
    kIV, kI,   kIIm, kVi, kIV, kI,   kIIm, kV,  // B
    kI,  kVi,  kIV,  kV,  kI,  kIii, kIIm, kV,  // A''
};

// The F major scale; every chord above is made of its tones.
constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};

// Rhythms of one bar of the tune, in beats; the bar is always filled.
constexpr std::array<std::array<double, 5>, 5> kRhythms = {{
    {2.0, 1.0, 1.0, 0, 0},
    {1.0, 1.0, 2.0, 0, 0},
    {1.5, 0.5, 1.0, 1.0, 0},
    {3.0, 1.0, 0, 0, 0},
    {1.0, 0.5, 0.5, 1.0, 1.0},
}};

// The tune moves on scale steps: step 0 is the tonic, 7 an octave above.
constexpr int kLowestStep = 0;
constexpr int kHighestStep = 9;

int floorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int stepPitch(int step) {
  const int octave = floorDiv(step, 7);
  return octave * 12 + kMajor[static_cast<std::size_t>(step - octave * 7)];
}

// The step of the chord tone nearest to the present step.
int nearestChordStep(const Chord& chord, int tone, int step) {
  const int here = stepPitch(step);
  int best = step;
  int bestDistance = 1000;
  for (int s = kLowestStep - 3; s <= kHighestStep + 3; ++s) {
    const int pitch = stepPitch(s);
    if (((pitch - chord.tones[static_cast<std::size_t>(tone)]) % 12 + 12) % 12 != 0) continue;
    const int distance = std::abs(pitch - here);
    if (distance < bestDistance) {
      best = s;
      bestDistance = distance;
    }
  }
  return best;
}

// A melody that walks the scale in small steps and lands on a chord tone on
// every strong beat; the last bar of each phrase holds a long note.
void writeMelody(Score& score, Dice& dice, int bar, const Chord& chord, int& step) {
  const bool phraseEnd = bar % 8 == 7;
  const auto& rhythm = phraseEnd ? kRhythms[3] : kRhythms[static_cast<std::size_t>(dice.below(5))];
  double beat = bar * kBeatsPerBar;
  for (double length : rhythm) {
    if (length == 0) break;
    const bool strong = beat == static_cast<int>(beat) && static_cast<int>(beat) % 2 == 0;
    if (strong) {
      step = nearestChordStep(chord, dice.below(3), step);
    } else {
      static constexpr std::array<int, 7> kMoves = {-1, 1, -1, 1, 0, -2, 2};
      step += kMoves[static_cast<std::size_t>(dice.below(7))];
    }
    if (step < kLowestStep) step += 2;
    if (step > kHighestStep) step -= 2;
    score.notes.push_back({beat, length * (phraseEnd ? 1.2 : 1.0), kTonic + 12 + stepPitch(step),
                           strong ? 0.9 : 0.7, Voice::Melody});
    beat += length;
  }
}

}  // namespace

Score composeWendlebrook(std::uint32_t seed) {
  Score score{68.0, static_cast<int>(kProgression.size()) * kBeatsPerBar, {}};
  Dice dice(seed);
  int step = 4;
  for (int bar = 0; bar < static_cast<int>(kProgression.size()); ++bar) {
    const Chord& chord = kProgression[static_cast<std::size_t>(bar)];
    const double start = bar * kBeatsPerBar;
    // The pad holds the chord for the bar, a little into the next.
    for (int tone : chord.tones)
      score.notes.push_back({start, kBeatsPerBar + 0.5, kTonic + tone, 0.32, Voice::Pad});
    // The bass: root on one, fifth on three.
    score.notes.push_back({start, 2.0, kTonic - 12 + chord.tones[0], 0.8, Voice::Bass});
    score.notes.push_back({start + 2, 2.0, kTonic - 12 + chord.tones[0] + 7, 0.6, Voice::Bass});
    // Quiet broken chords in eighths, from the second phrase on.
    if (bar >= 8) {
      static constexpr std::array<int, 8> kPattern = {0, 1, 2, 3, 2, 1, 2, 1};
      for (int e = 0; e < 8; ++e)
        score.notes.push_back({start + e * 0.5, 0.75,
                               kTonic + 12 + chord.tones[static_cast<std::size_t>(kPattern[e])],
                               e % 2 == 0 ? 0.30 : 0.22, Voice::Arpeggio});
    }
    writeMelody(score, dice, bar, chord, step);
  }
  return score;
}

}  // namespace vorlund::music

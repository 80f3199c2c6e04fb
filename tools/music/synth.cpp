#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vorlund::music {
namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

// A sine from a table, read with linear interpolation: the synthesis makes
// a few hundred million of them and must stay quick.
class SineTable {
 public:
  static constexpr int kSize = 4096;
  SineTable() {
    for (int i = 0; i <= kSize; ++i)
      table_[static_cast<std::size_t>(i)] = std::sin(kTau * i / kSize);
  }
  // `phase` in turns, any value.
  float operator()(double phase) const {
    const double turns = phase - std::floor(phase);
    const double x = turns * kSize;
    const auto i = static_cast<std::size_t>(x);
    const auto f = static_cast<float>(x - static_cast<double>(i));
    return table_[i] + (table_[i + 1] - table_[i]) * f;
  }

 private:
  std::array<float, kSize + 1> table_{};
};

const SineTable kSine;

double frequency(int pitch) {
  return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

// How a voice sounds: its envelope and its timbre at time t (seconds) into a
// note of frequency f.
struct Timbre {
  double attack;   // seconds to full loudness
  double decay;    // time constant of the fall after the attack (0: none)
  double release;  // seconds of fade after the note ends
  float (*wave)(double f, double t);
};

float padWave(double f, double t) {
  // Additive: three partials, and a slightly detuned copy of the first for
  // a slow shimmer.
  return 0.55f * kSine(f * t) + 0.45f * kSine(f * 1.0035 * t) + 0.30f * kSine(2 * f * t) +
         0.10f * kSine(3 * f * t);
}

float bassWave(double f, double t) {
  return kSine(f * t) + 0.2f * kSine(2 * f * t);
}

float melodyWave(double f, double t) {
  // Frequency modulation 1:1 whose brightness fades: a soft electric piano.
  const double index = 0.25 + 1.4 * std::exp(-t / 0.35);
  return kSine(f * t + index / kTau * kSine(f * t));
}

float arpeggioWave(double f, double t) {
  // Modulator four times the carrier, quickly damped: a music box.
  const double index = 0.9 * std::exp(-t / 0.12);
  return kSine(f * t + index / kTau * kSine(4 * f * t));
}

Timbre timbreOf(Voice v) {
  switch (v) {
    case Voice::Pad:
      return {0.9, 0.0, 1.6, padWave};
    case Voice::Bass:
      return {0.02, 1.4, 0.3, bassWave};
    case Voice::Melody:
      return {0.012, 1.8, 0.5, melodyWave};
    case Voice::Arpeggio:
      return {0.004, 0.45, 0.25, arpeggioWave};
  }
  return {0.01, 0.0, 0.1, padWave};
}

constexpr float voiceLevel(Voice v) {
  switch (v) {
    case Voice::Pad:
      return 0.16f;
    case Voice::Bass:
      return 0.30f;
    case Voice::Melody:
      return 0.33f;
    case Voice::Arpeggio:
      return 0.12f;
  }
  return 0.f;
}

double envelope(const Timbre& tb, double t, double held) {
  double level = t < tb.attack ? t / tb.attack : 1.0;
  if (tb.decay > 0 && t > tb.attack) level *= std::exp(-(t - tb.attack) / tb.decay);
  if (t > held) {
    const double after = (t - held) / tb.release;
    level *= after >= 1.0 ? 0.0 : (1.0 - after) * (1.0 - after);
  }
  return level;
}

void playNote(std::vector<float>& out, const Note& n, double secondsPerBeat) {
  const Timbre tb = timbreOf(n.voice);
  const double f = frequency(n.pitch);
  const double held = n.length * secondsPerBeat;
  const auto first = static_cast<std::size_t>(std::lround(n.start * secondsPerBeat * kSampleRate));
  const auto count = static_cast<std::size_t>((held + tb.release) * kSampleRate);
  const auto gain = static_cast<float>(n.loudness) * voiceLevel(n.voice);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    out[(first + i) % out.size()] +=
        gain * static_cast<float>(envelope(tb, t, held)) * tb.wave(f, t);
  }
}

// A small room: four parallel feedback combs and two allpasses (Schroeder).
// It runs twice round the loop and keeps the second round, so that the echo
// of the end is already in the start.
class Room {
 public:
  void process(std::vector<float>& buffer, float wet) {
    std::vector<float> echo(buffer.size());
    for (int round = 0; round < 2; ++round)
      for (std::size_t i = 0; i < buffer.size(); ++i) echo[i] = step(buffer[i]);
    for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] += wet * echo[i];
  }

 private:
  struct Line {
    std::vector<float> data;
    std::size_t pos = 0;
    float read() const { return data[pos]; }
    void write(float v) {
      data[pos] = v;
      pos = (pos + 1) % data.size();
    }
  };
  static Line line(int samples) {
    return {std::vector<float>(static_cast<std::size_t>(samples)), 0};
  }

  float step(float in) {
    float sum = 0;
    for (Line& c : combs_) {
      const float y = c.read();
      c.write(in + 0.80f * y);
      sum += y;
    }
    float x = sum * 0.25f;
    for (Line& a : allpasses_) {
      const float d = a.read();
      const float y = d - 0.5f * x;
      a.write(x + 0.5f * y);
      x = y;
    }
    return x;
  }

  std::array<Line, 4> combs_ = {line(1557), line(1617), line(1491), line(1422)};
  std::array<Line, 2> allpasses_ = {line(556), line(441)};
};

}  // namespace

std::vector<float> synthesise(const Score& score) {
  const double secondsPerBeat = 60.0 / score.beatsPerMinute;
  const auto length =
      static_cast<std::size_t>(std::lround(score.beats * secondsPerBeat * kSampleRate));
  std::vector<float> out(length);
  for (const Note& n : score.notes) playNote(out, n, secondsPerBeat);
  Room().process(out, 0.30f);
  return out;
}

std::vector<std::int16_t> toPcm16(const std::vector<float>& samples, double peak) {
  float highest = 0;
  for (float s : samples) highest = std::max(highest, std::abs(s));
  const double scale = highest > 0 ? peak * 32767.0 / highest : 0.0;
  std::vector<std::int16_t> pcm(samples.size());
  std::transform(samples.begin(), samples.end(), pcm.begin(), [scale](float s) {
    return static_cast<std::int16_t>(std::clamp(std::lround(s * scale), -32767L, 32767L));
  });
  return pcm;
}

}  // namespace vorlund::music

#include "Sounds.h"

#include <algorithm>
#include <cmath>

namespace winpiruk::datagen {
namespace {

constexpr double kPi = 3.14159265358979;

// The sound being built, in floating point, mixed into by the voices.
class Track {
 public:
  explicit Track(double seconds) : mix_(static_cast<size_t>(seconds * kSampleRate), 0.0) {}

  double& at(size_t i) { return mix_[i]; }
  size_t size() const { return mix_.size(); }

  // A tone with a few harmonics of falling strength; `brightness` near 1
  // gives a brass-like edge, near 0 a soft flute-like one.
  void Tone(double start, double length, double frequency, double gain, double brightness,
            double vibrato = 0.0) {
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < mix_.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      const double f = frequency * (1.0 + vibrato * std::sin(2 * kPi * 6.0 * t));
      phase += 2 * kPi * f / kSampleRate;
      double v = 0;
      double h_gain = 1;
      for (int h = 1; h <= 6; ++h) {
        v += h_gain * std::sin(phase * h);
        h_gain *= brightness * 0.7;
      }
      mix_[first + i] += gain * Envelope(t, length) * v;
    }
  }

  // A struck bell: partials that are not whole multiples, dying away.
  void Bell(double start, double length, double frequency, double gain) {
    const double ratios[] = {1.0, 2.0, 2.76, 5.4};
    const double gains[] = {1.0, 0.5, 0.35, 0.18};
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    for (size_t i = 0; i < count && first + i < mix_.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      double v = 0;
      for (int k = 0; k < 4; ++k) {
        v += gains[k] * std::exp(-t * (3.0 + 2.5 * k)) * std::sin(2 * kPi * frequency * ratios[k] * t);
      }
      mix_[first + i] += gain * std::min(1.0, t * 400) * v;
    }
  }

  // A tone sliding from one pitch to another.
  void Slide(double start, double length, double from, double to, double gain, double brightness) {
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < mix_.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      const double f = from * std::pow(to / from, t / length) * (1.0 + 0.03 * std::sin(2 * kPi * 7.0 * t));
      phase += 2 * kPi * f / kSampleRate;
      double v = 0;
      double h_gain = 1;
      for (int h = 1; h <= 5; ++h) {
        v += h_gain * std::sin(phase * h);
        h_gain *= brightness;
      }
      mix_[first + i] += gain * Envelope(t, length) * v;
    }
  }

  // Filtered noise with a sharp attack: the snap of a card on the table.
  void Snap(double start, double length, double gain, uint32_t seed) {
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    uint32_t state = seed;
    double low = 0, band = 0;
    for (size_t i = 0; i < count && first + i < mix_.size(); ++i) {
      state = state * 1664525u + 1013904223u;
      const double white = static_cast<double>(state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
      // A state-variable filter centred near 2.5 kHz.
      const double f = 2 * std::sin(kPi * 2500.0 / kSampleRate);
      low += f * band;
      const double high = white - low - 0.6 * band;
      band += f * high;
      const double t = static_cast<double>(i) / kSampleRate;
      const double env = std::min(1.0, t * 3000) * std::exp(-t * 70);
      const double thump = std::sin(2 * kPi * 140 * t) * std::exp(-t * 90);
      mix_[first + i] += gain * env * (band * 0.9 + high * 0.25) + gain * 0.6 * thump;
    }
  }

  // Scales the peak to `level` of full scale; soft, pure tones get a lower
  // level so that every effect sounds about as loud as the others.
  std::vector<int16_t> Finish(double level) const {
    double peak = 1e-9;
    for (double v : mix_) peak = std::max(peak, std::abs(v));
    const double scale = level * 32767.0 / peak;
    std::vector<int16_t> out(mix_.size());
    for (size_t i = 0; i < mix_.size(); ++i) {
      out[i] = static_cast<int16_t>(std::lround(std::clamp(mix_[i] * scale, -32767.0, 32767.0)));
    }
    return out;
  }

 private:
  // Quick attack, gentle release, no clicks at either end.
  static double Envelope(double t, double length) {
    const double attack = std::min(1.0, t / 0.012);
    const double release = std::min(1.0, (length - t) / 0.06);
    return std::max(0.0, attack * release * (0.75 + 0.25 * std::exp(-t * 6)));
  }

  std::vector<double> mix_;
};

double Note(int semitones_from_a4) { return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0); }

constexpr int C5 = 3, D5 = 5, E5 = 7, F5 = 8, G5 = 10, B5 = 14, C6 = 15, E6 = 19, G6 = 22;
constexpr int G4 = -2, E4 = -5, C4 = -9, Bb4 = 1, D4 = -7, A4 = 0, F4 = -4;

std::vector<int16_t> CardSnap() {
  Track t(0.12);
  t.Snap(0.0, 0.12, 1.0, 20261207u);
  return t.Finish(0.7);
}

// A bright rising arpeggio and a held chord: the call.
std::vector<int16_t> CallFanfare() {
  Track t(0.95);
  const int run[] = {C5, E5, G5};
  for (int i = 0; i < 3; ++i) t.Tone(i * 0.09, 0.12, Note(run[i]), 0.5, 1.0);
  for (int n : {C6, G5, E5}) t.Tone(0.27, 0.65, Note(n), 0.35, 1.0, 0.004);
  t.Tone(0.27, 0.65, Note(C5 - 12), 0.3, 0.8);
  return t.Finish(0.85);
}

// The counter-call answers with a turn: a falling minor run snapped back up
// into a higher major chord.
std::vector<int16_t> CounterCallFanfare() {
  Track t(1.2);
  const int down[] = {G5, Bb4 + 12, G5 - 5, D5};
  for (int i = 0; i < 4; ++i) t.Tone(i * 0.07, 0.09, Note(down[i]), 0.45, 1.0);
  const int up[] = {D5, G5, B5, D5 + 12};
  for (int i = 0; i < 4; ++i) t.Tone(0.32 + i * 0.06, 0.08, Note(up[i]), 0.45, 1.0);
  for (int n : {G6, D5 + 12, B5, G5}) t.Tone(0.58, 0.6, Note(n), 0.28, 1.0, 0.008);
  return t.Finish(0.85);
}

// Three bells: the dealer's first cards already made the number.
std::vector<int16_t> InitialChime() {
  Track t(1.3);
  t.Bell(0.0, 1.1, Note(E6 - 12), 0.6);
  t.Bell(0.15, 1.0, Note(G5 + 12 - 12), 0.55);
  t.Bell(0.3, 1.0, Note(C6), 0.7);
  return t.Finish(0.8);
}

// A sagging buzz: too many cards.
std::vector<int16_t> TenCardBuzz() {
  Track t(0.9);
  t.Slide(0.0, 0.35, Note(A4 - 12), Note(F4 - 12), 0.6, 0.9);
  t.Slide(0.4, 0.5, Note(F4 - 12), Note(C4 - 12), 0.6, 0.9);
  return t.Finish(0.6);
}

// Two soft notes, falling: the hand is washed out.
std::vector<int16_t> NoGameNotes() {
  Track t(0.75);
  t.Tone(0.0, 0.3, Note(A4), 0.5, 0.25);
  t.Tone(0.32, 0.42, Note(D4), 0.5, 0.25);
  return t.Finish(0.55);
}

// A falling phrase and a closing chord: the match is over.
std::vector<int16_t> GameOverPhrase() {
  Track t(1.8);
  const int phrase[] = {G5, F5, E5, D5, C5};
  for (int i = 0; i < 5; ++i) t.Tone(i * 0.16, 0.2, Note(phrase[i]), 0.45, 0.6);
  for (int n : {C5, G4, E4, C4}) t.Tone(0.82, 0.95, Note(n), 0.3, 0.6, 0.003);
  return t.Finish(0.8);
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<Effect> SynthesiseEffects() {
  return {
      {"WP_PRK.WAV", CallFanfare()},     {"WP_PRKG.WAV", CounterCallFanfare()}, {"WP_INTL.WAV", InitialChime()},
      {"WP_TENOV.WAV", TenCardBuzz()},   {"WP_NAGAR.WAV", NoGameNotes()},       {"WP_GOVER.WAV", GameOverPhrase()},
      {"WP_CARD.WAV", CardSnap()},
  };
}

std::vector<uint8_t> WaveFileBytes(const std::vector<int16_t>& samples) {
  const uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + data_bytes);
  for (char c : std::string("RIFF")) out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, 36 + data_bytes, 4);
  for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, 16, 4);               // format chunk size
  PutLittleEndian(out, 1, 2);                // PCM
  PutLittleEndian(out, 1, 2);                // mono
  PutLittleEndian(out, kSampleRate, 4);
  PutLittleEndian(out, kSampleRate * 2, 4);  // bytes per second
  PutLittleEndian(out, 2, 2);                // bytes per frame
  PutLittleEndian(out, 16, 2);               // bits per sample
  for (char c : std::string("data")) out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, data_bytes, 4);
  for (int16_t s : samples) PutLittleEndian(out, static_cast<uint16_t>(s), 2);
  return out;
}

}  // namespace winpiruk::datagen

#include "Pieces.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "presentation/OwnMusic.h"

namespace winpiruk::datagen {
namespace {

constexpr int kTicksPerBeat = 480;
constexpr int kDrumChannel = 9;

using Scale = std::array<int, 7>;
constexpr Scale kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr Scale kMinor = {0, 2, 3, 5, 7, 8, 10};

// General MIDI programs (numbered from 0) and drums.
enum Program { kPiano = 0, kMusicBox = 10, kVibraphone = 11, kAcousticBass = 32, kContrabass = 43,
               kStrings = 48, kFlute = 73, kShakuhachi = 77, kShamisen = 106, kKoto = 107 };
enum Drum { kKick = 36, kSnare = 38, kClosedHat = 42, kLowTom = 45 };

// A note of a motif: a step of the scale above the bar's chord root (0, 2
// and 4 are the chord's own notes) and its length in beats.
struct MotifNote {
  int step;
  double beats;
};
using Motif = std::vector<MotifNote>;

enum class Accompaniment { Arpeggio, Waltz, Block };

struct Design {
  const char* file;
  int bpm;
  int beats_per_bar;
  int tonic;  // the key note in the melody's octave
  const Scale* scale;
  std::vector<int> progression;  // the chord root of each bar, as a degree of the scale
  std::string form;              // the motif of each bar, 'A' the first
  std::vector<Motif> motifs;
  Program lead, chords, bass;
  Accompaniment accompaniment;
  bool drums;
  int times;  // the form played through so many times
};

struct Note {
  int start, length, key, velocity;
};

struct Part {
  const char* name;
  int channel;
  int program;  // -1: the drum kit
  std::vector<Note> notes;
};

int Pitch(const Design& d, int octave_base, int degree) {
  const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
  return octave_base + 12 * octave + (*d.scale)[static_cast<size_t>(degree - 7 * octave)];
}

int Ticks(double beats) { return static_cast<int>(beats * kTicksPerBeat + 0.5); }

// The melody: each bar's motif over that bar's chord, the first beat of a
// bar a little stronger.
Part Melody(const Design& d) {
  Part part{"melody", 0, d.lead, {}};
  const int bar_ticks = d.beats_per_bar * kTicksPerBeat;
  for (int pass = 0; pass < d.times; ++pass) {
    for (size_t bar = 0; bar < d.form.size(); ++bar) {
      const int bar_start = static_cast<int>(pass * d.form.size() + bar) * bar_ticks;
      double beat = 0;
      for (const MotifNote& n : d.motifs[static_cast<size_t>(d.form[bar] - 'A')]) {
        const int velocity = beat == 0 ? 96 : 84;
        part.notes.push_back({bar_start + Ticks(beat), Ticks(n.beats) - 20,
                              Pitch(d, d.tonic, d.progression[bar] + n.step), velocity});
        beat += n.beats;
      }
    }
  }
  return part;
}

// The chords, an octave below the melody, in the piece's manner.
Part Chords(const Design& d) {
  Part part{"chords", 1, d.chords, {}};
  const int base = d.tonic - 12;
  const int bar_ticks = d.beats_per_bar * kTicksPerBeat;
  for (int pass = 0; pass < d.times; ++pass) {
    for (size_t bar = 0; bar < d.form.size(); ++bar) {
      const int start = static_cast<int>(pass * d.form.size() + bar) * bar_ticks;
      const int root = d.progression[bar];
      switch (d.accompaniment) {
        case Accompaniment::Arpeggio: {
          constexpr std::array<int, 8> kPattern = {0, 2, 4, 7, 4, 2, 4, 7};
          const int eighths = d.beats_per_bar * 2;
          for (int i = 0; i < eighths; ++i) {
            part.notes.push_back({start + i * kTicksPerBeat / 2, kTicksPerBeat / 2 - 10,
                                  Pitch(d, base, root + kPattern[static_cast<size_t>(i % 8)]), i == 0 ? 72 : 60});
          }
          break;
        }
        case Accompaniment::Waltz:
          for (int beat = 1; beat < d.beats_per_bar; ++beat) {
            for (const int step : {2, 4, 7}) {
              part.notes.push_back({start + beat * kTicksPerBeat, kTicksPerBeat - 60, Pitch(d, base, root + step), 58});
            }
          }
          break;
        case Accompaniment::Block:
          for (const int step : {0, 2, 4}) {
            part.notes.push_back({start, bar_ticks - 30, Pitch(d, base, root + step), 54});
          }
          break;
      }
    }
  }
  return part;
}

// The bass: the chord's root on the first beat, its fifth half way.
Part Bass(const Design& d) {
  Part part{"bass", 2, d.bass, {}};
  const int base = d.tonic - 24;
  const int bar_ticks = d.beats_per_bar * kTicksPerBeat;
  const int half = d.beats_per_bar == 3 ? bar_ticks : bar_ticks / 2;
  for (int pass = 0; pass < d.times; ++pass) {
    for (size_t bar = 0; bar < d.form.size(); ++bar) {
      const int start = static_cast<int>(pass * d.form.size() + bar) * bar_ticks;
      const int root = d.progression[bar];
      part.notes.push_back({start, half - 40, Pitch(d, base, root), 90});
      if (half < bar_ticks) part.notes.push_back({start + half, half - 40, Pitch(d, base, root + 4), 80});
    }
  }
  return part;
}

// A festival beat: the low drum on every beat, the snare after it, the
// hat on every half beat.
Part Drums(const Design& d) {
  Part part{"drums", kDrumChannel, -1, {}};
  const int beats = static_cast<int>(d.form.size()) * d.beats_per_bar * d.times;
  for (int beat = 0; beat < beats; ++beat) {
    const int start = beat * kTicksPerBeat;
    part.notes.push_back({start, 120, beat % 2 == 0 ? kKick : kLowTom, beat % d.beats_per_bar == 0 ? 100 : 80});
    if (beat % 2 == 1) part.notes.push_back({start + kTicksPerBeat / 2, 120, kSnare, 64});
    part.notes.push_back({start, 60, kClosedHat, 50});
    part.notes.push_back({start + kTicksPerBeat / 2, 60, kClosedHat, 40});
  }
  return part;
}

// --- Standard MIDI File ------------------------------------------------------

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutVariable(std::vector<uint8_t>& out, uint32_t value) {
  std::vector<uint8_t> groups{static_cast<uint8_t>(value & 0x7F)};
  while ((value >>= 7) != 0) groups.push_back(static_cast<uint8_t>(0x80 | (value & 0x7F)));
  out.insert(out.end(), groups.rbegin(), groups.rend());
}

void PutChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& body) {
  out.insert(out.end(), id, id + 4);
  Put(out, static_cast<uint32_t>(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
}

void PutName(std::vector<uint8_t>& track, const std::string& name) {
  track.insert(track.end(), {0x00, 0xFF, 0x03});
  PutVariable(track, static_cast<uint32_t>(name.size()));
  track.insert(track.end(), name.begin(), name.end());
}

std::vector<uint8_t> ConductorTrack(const Design& d, int end_tick) {
  std::vector<uint8_t> track;
  PutName(track, d.file);
  track.insert(track.end(), {0x00, 0xFF, 0x58, 0x04, static_cast<uint8_t>(d.beats_per_bar), 0x02, 0x18, 0x08});
  track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
  Put(track, static_cast<uint32_t>(60'000'000 / d.bpm), 3);
  PutVariable(track, static_cast<uint32_t>(end_tick));
  track.insert(track.end(), {0xFF, 0x2F, 0x00});
  return track;
}

std::vector<uint8_t> PartTrack(const Part& part, int end_tick) {
  std::vector<uint8_t> track;
  PutName(track, part.name);
  const auto channel = static_cast<uint8_t>(part.channel);
  if (part.program >= 0) track.insert(track.end(), {0x00, static_cast<uint8_t>(0xC0 | channel), static_cast<uint8_t>(part.program)});
  // Volume and a little reverb.
  track.insert(track.end(), {0x00, static_cast<uint8_t>(0xB0 | channel), 7, 100});
  track.insert(track.end(), {0x00, static_cast<uint8_t>(0xB0 | channel), 91, 40});
  // (tick, off before on at the same tick, key, velocity)
  std::vector<std::tuple<int, int, int, int>> events;
  for (const Note& n : part.notes) {
    events.emplace_back(n.start, 1, n.key, n.velocity);
    events.emplace_back(n.start + n.length, 0, n.key, 0);
  }
  std::sort(events.begin(), events.end());
  int now = 0;
  for (const auto& [tick, on, key, velocity] : events) {
    PutVariable(track, static_cast<uint32_t>(tick - now));
    now = tick;
    track.push_back(static_cast<uint8_t>((on != 0 ? 0x90 : 0x80) | channel));
    track.push_back(static_cast<uint8_t>(key));
    track.push_back(static_cast<uint8_t>(on != 0 ? velocity : 64));
  }
  PutVariable(track, static_cast<uint32_t>(std::max(0, end_tick - now)));
  track.insert(track.end(), {0xFF, 0x2F, 0x00});
  return track;
}

std::vector<uint8_t> MidiFile(const Design& d) {
  std::vector<Part> parts = {Melody(d), Chords(d), Bass(d)};
  if (d.drums) parts.push_back(Drums(d));
  // A beat of silence after the last note lets the reverb end.
  const int end_tick = (static_cast<int>(d.form.size()) * d.times * d.beats_per_bar + 1) * kTicksPerBeat;
  std::vector<uint8_t> file;
  std::vector<uint8_t> header;
  Put(header, 1, 2);  // several tracks, played together
  Put(header, static_cast<uint32_t>(parts.size() + 1), 2);
  Put(header, kTicksPerBeat, 2);
  PutChunk(file, "MThd", header);
  PutChunk(file, "MTrk", ConductorTrack(d, end_tick));
  for (const Part& part : parts) PutChunk(file, "MTrk", PartTrack(part, end_tick));
  return file;
}

// --- The pieces ----------------------------------------------------------------

std::vector<Design> Designs() {
  return {
      // A calm veranda: shakuhachi over koto arpeggios, in D.
      {kOwnPieceFiles[0], 88, 4, 62, &kMajor, {0, 3, 5, 4, 0, 3, 4, 0, 5, 3, 0, 4, 1, 4, 0, 0}, "ABACABCDBACABCDZ",
       {{{4, 1}, {2, 0.5}, {1, 0.5}, {0, 2}},
        {{0, 1}, {2, 1}, {4, 1.5}, {5, 0.5}},
        {{7, 1.5}, {6, 0.5}, {4, 1}, {2, 1}},
        {{2, 1}, {1, 1}, {0, 2}}},
       kShakuhachi, kKoto, kAcousticBass, Accompaniment::Arpeggio, false, 2},
      // A late game: a vibraphone waltz in A minor.
      {kOwnPieceFiles[1], 132, 3, 69, &kMinor, {0, 3, 6, 2, 5, 3, 4, 0, 0, 3, 6, 2, 5, 1, 4, 0}, "ABCADBCZABDBCACZ",
       {{{0, 1}, {2, 1}, {4, 1}}, {{4, 2}, {3, 1}}, {{2, 1.5}, {1, 0.5}, {0, 1}}, {{7, 1}, {4, 1}, {2, 1}}},
       kVibraphone, kPiano, kAcousticBass, Accompaniment::Waltz, false, 2},
      // A festival: flute and shamisen over drums, in G.
      {kOwnPieceFiles[2], 126, 4, 67, &kMajor, {0, 0, 3, 0, 4, 3, 0, 0, 5, 3, 4, 0, 3, 4, 0, 0}, "ABACABCZAABCBCAZ",
       {{{0, 0.5}, {2, 0.5}, {4, 0.5}, {2, 0.5}, {4, 1}, {5, 1}},
        {{7, 0.5}, {5, 0.5}, {4, 1}, {2, 0.5}, {4, 0.5}, {0, 1}},
        {{4, 0.5}, {4, 0.5}, {5, 0.5}, {4, 0.5}, {2, 1}, {0, 1}}},
       kFlute, kShamisen, kAcousticBass, Accompaniment::Arpeggio, true, 2},
      // Snow falling: a music box over strings, in F.
      {kOwnPieceFiles[3], 72, 4, 65, &kMajor, {0, 5, 3, 4, 2, 5, 1, 4, 0, 5, 3, 4, 1, 4, 0, 0}, "ABCBACDZCBABCDBZ",
       {{{4, 1}, {2, 1}, {0, 1}, {2, 1}},
        {{7, 2}, {4, 2}},
        {{2, 1}, {4, 1}, {5, 1}, {4, 1}},
        {{1, 1}, {2, 1}, {0, 2}}},
       kMusicBox, kStrings, kContrabass, Accompaniment::Block, false, 1},
  };
}

// Every form ends on a held tonic: motif 'Z'.
Design WithClose(Design d) {
  d.motifs.resize(25);
  d.motifs.push_back({{0, static_cast<double>(d.beats_per_bar)}});
  return d;
}

}  // namespace

std::vector<PieceFile> ComposePieces() {
  std::vector<PieceFile> files;
  for (const Design& design : Designs()) files.push_back({design.file, MidiFile(WithClose(design))});
  return files;
}

}  // namespace winpiruk::datagen

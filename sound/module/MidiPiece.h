#pragma once
// One MIDI file on a synthesizer of its own, played through the mixer's
// music stream. The synthesizer reads from the sound font only the
// instruments the piece selects, which keeps the music small: a whole
// General MIDI set of samples is most of what a piece would otherwise cost.
#include <atomic>
#include <memory>
#include <string>

#include "sound/AudioBackend.h"

namespace winpiruk {

class MidiPiece : public AudioPiece {
 public:
  // Reads a MIDI file for the mixer's device, which must be open (in a
  // 16-bit or float stereo format) while this runs; null when the file is
  // not MIDI or no sound font can be loaded.
  static std::unique_ptr<MidiPiece> Load(const std::string& path);
  ~MidiPiece() override;
  MidiPiece(const MidiPiece&) = delete;
  MidiPiece& operator=(const MidiPiece&) = delete;

  void Start(void (*ended)()) override;
  void Stop() override;
  void SetPaused(bool paused) override { paused_ = paused; }
  // How loud every piece plays, 0..MIX_MAX_VOLUME; read on the audio thread
  // at each buffer, so a change is heard at once.
  static void SetLevel(int level) { level_ = level; }
  bool Ended() const override { return ended_; }

 private:
  struct Synth;
  explicit MidiPiece(std::unique_ptr<Synth> synth);
  static void Render(void* piece, unsigned char* stream, int length);
  void Fill(unsigned char* stream, int length);

  static std::atomic<int> level_;
  std::unique_ptr<Synth> synth_;
  std::atomic<bool> paused_{false};
  std::atomic<bool> ended_{false};
  void (*on_end_)() = nullptr;
  bool handed_over_ = false;
};

}  // namespace winpiruk

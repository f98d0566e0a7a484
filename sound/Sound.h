#pragma once
// The table's sound effects: short wave files played asynchronously on a
// free mixer channel. The device is held only while an effect plays, so the
// idle program has no audio thread. No sound device means silence, never a
// failure.
#include <QTimer>
#include <memory>
#include <string>
#include <unordered_map>

#include "sound/AudioBackend.h"
#include "sound/AudioDevice.h"

namespace winpiruk {

class EffectPlayer {
 public:
  EffectPlayer();
  ~EffectPlayer();
  EffectPlayer(const EffectPlayer&) = delete;
  EffectPlayer& operator=(const EffectPlayer&) = delete;

  // Plays a file when sound is on; returns what LastSoundResult keeps:
  // nonzero when the file is playing, 0 when sound is off or the file is
  // missing or unplayable.
  int PlayEffect(const std::string& path, bool sound_on);
  int LastSoundResult() const { return last_result_; }
  // The driver in use ("dummy" when no sound device could be opened).
  const std::string& Driver() const { return device_.Driver(); }
  // Whether this player holds the device (an effect is playing or just ended).
  bool HoldsDevice() const { return device_.Held(); }

 private:
  bool Open();
  // Lets the device go once every channel has ended.
  void ReleaseWhenSilent();
  void WatchUntil(int milliseconds);

  int last_result_ = 0;
  // Declared before the chunks, so that they are freed before the device closes.
  AudioDevice device_;
  std::unordered_map<std::string, std::unique_ptr<AudioClip>> chunks_;
  // Runs only while an effect plays: it fires once at the effect's end.
  QTimer release_timer_;
};

}  // namespace winpiruk

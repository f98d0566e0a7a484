#pragma once
// What the windows ask of the sound system. The sound system (the mixer, its
// drivers and the MIDI synthesizer) lives in a module of its own, loaded the
// first time a sound is wanted (see AudioModule.h), so that starting the
// program does not load its libraries. The module implements these classes
// and exports one factory, kAudioBackendFactory.
#include <memory>
#include <string>

#include "sound/SoundVolumes.h"

namespace winpiruk {

// One effect, decoded for the device's format.
class AudioClip {
 public:
  virtual ~AudioClip() = default;
  // Starts it on a free channel; false when none could take it.
  virtual bool Play() = 0;
  // How long it plays, in the device's present format.
  virtual int LengthMs() const = 0;
};

// One piece of music, played on the mixer's music stream.
class AudioPiece {
 public:
  virtual ~AudioPiece() = default;
  // Hands the piece to the mixer from its beginning; `ended` runs once on
  // the audio thread when the piece has played to its end.
  virtual void Start(void (*ended)()) = 0;
  // Takes the piece back from the mixer; no sound of it after this returns.
  virtual void Stop() = 0;
  virtual void SetPaused(bool paused) = 0;
  // Started, and played to its end since.
  virtual bool Ended() const = 0;
};

class AudioBackend {
 public:
  virtual ~AudioBackend() = default;

  // One more hold of the mixer's device: the sound system's own driver, or
  // its silent one when no sound device opens; false when neither does.
  // Opened already, the device is joined in the format it has.
  virtual bool OpenDevice() = 0;
  // Lets one hold go; the last one closes the device.
  virtual void CloseDevice() = 0;
  // Keeps the driver loaded between holds, which makes reopening quick.
  virtual bool KeepSoundSystem() = 0;
  virtual void LetSoundSystemGo() = 0;
  // The driver in use ("dummy" for the silent one).
  virtual std::string Driver() const = 0;
  // Whether the device is open now, by any holder.
  virtual bool DeviceOpen() const = 0;

  // Effects: the device (held) gets at least `channels` channels to play on.
  virtual void EnsureChannels(int channels) = 0;
  virtual int PlayingChannels() const = 0;
  virtual void HaltEffects() = 0;
  // A wave file decoded for the open device; null when it cannot be read.
  virtual std::unique_ptr<AudioClip> LoadClip(const std::string& path) = 0;

  // How loud the effects and the music play, from now on and at once for
  // what plays now; kept while the device is closed and reopened.
  virtual void SetVolumes(const SoundVolumes& volumes) = 0;

  // A MIDI file read for the open device (in a 16-bit or float stereo
  // format); null when the file is not MIDI or no sound font can be loaded.
  // Safe on a worker thread while the device is held.
  virtual std::unique_ptr<AudioPiece> LoadPiece(const std::string& path) = 0;
};

// The name of the module's factory, declared there as
// extern "C" AudioBackend* winpiruk_audio_backend(); the caller owns the result.
inline constexpr char kAudioBackendFactory[] = "winpiruk_audio_backend";
using AudioBackendFactory = AudioBackend* (*)();

}  // namespace winpiruk

// The sound system behind AudioBackend: SDL's audio drivers, SDL_mixer's
// channels and music stream, and the MIDI synthesizer (MidiPiece). Built as
// a module of its own, which the program loads when it first wants a sound.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

#include "sound/module/MidiPiece.h"
#include "sound/AudioBackend.h"

namespace winpiruk {
namespace {

// The mixer's 0..MIX_MAX_VOLUME for a volume in percent.
int MixerLevel(int percent) { return (std::clamp(percent, 0, kFullVolume) * MIX_MAX_VOLUME + kFullVolume / 2) / kFullVolume; }

bool OpenWith(const char* driver) {
  if (driver != nullptr) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  // Opened already: the same format only counts one more holder; another
  // format would close the device under the other holder. Closed, the
  // device opens again in the format it had, so the effects decoded for it
  // and an open piece stay valid.
  const bool shared = Mix_QuerySpec(&frequency, &format, &channels) != 0;
  const int result = shared ? Mix_OpenAudio(frequency, format, channels, 1024)
                            : Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024);
  if (result != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

class MixerClip : public AudioClip {
 public:
  explicit MixerClip(Mix_Chunk* chunk) : chunk_(chunk) {}
  ~MixerClip() override { Mix_FreeChunk(chunk_); }
  MixerClip(const MixerClip&) = delete;
  MixerClip& operator=(const MixerClip&) = delete;

  bool Play() override { return Mix_PlayChannel(-1, chunk_, 0) >= 0; }

  int LengthMs() const override {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0 || channels <= 0) return 0;
    const long long frame_bytes = static_cast<long long>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    return static_cast<int>(static_cast<long long>(chunk_->alen) * 1000 / (frame_bytes * frequency));
  }

 private:
  Mix_Chunk* chunk_;
};

class SdlAudio : public AudioBackend {
 public:
  bool OpenDevice() override {
    // SDL would otherwise take over SIGINT and SIGTERM from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!OpenWith(nullptr) && !OpenWith("dummy")) return false;
    // A device opened afresh has its channels at full volume.
    ApplyVolumes();
    return true;
  }

  void CloseDevice() override {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  bool KeepSoundSystem() override { return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0; }
  void LetSoundSystemGo() override { SDL_QuitSubSystem(SDL_INIT_AUDIO); }

  std::string Driver() const override {
    const char* name = SDL_GetCurrentAudioDriver();
    return name != nullptr ? name : "";
  }

  bool DeviceOpen() const override { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

  void EnsureChannels(int channels) override {
    // A device opened afresh has the mixer's default channels.
    if (Mix_AllocateChannels(-1) < channels) {
      Mix_AllocateChannels(channels);
      // New channels start at full volume.
      ApplyVolumes();
    }
  }
  int PlayingChannels() const override { return Mix_Playing(-1); }
  void HaltEffects() override { Mix_HaltChannel(-1); }

  std::unique_ptr<AudioClip> LoadClip(const std::string& path) override {
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk == nullptr) return nullptr;
    return std::make_unique<MixerClip>(chunk);
  }

  void SetVolumes(const SoundVolumes& volumes) override {
    effects_level_ = MixerLevel(volumes.effects);
    music_level_ = MixerLevel(volumes.music);
    ApplyVolumes();
  }

  std::unique_ptr<AudioPiece> LoadPiece(const std::string& path) override { return MidiPiece::Load(path); }

 private:
  void ApplyVolumes() const {
    // The pieces play through the music hook, which the mixer hands over
    // as it is: they take the music's level themselves.
    MidiPiece::SetLevel(music_level_);
    if (!DeviceOpen()) return;
    // Every channel, those playing now included.
    Mix_Volume(-1, effects_level_);
    Mix_VolumeMusic(music_level_);
  }

  int effects_level_ = MIX_MAX_VOLUME;
  int music_level_ = MIX_MAX_VOLUME;
};

}  // namespace
}  // namespace winpiruk

extern "C" __attribute__((visibility("default"))) winpiruk::AudioBackend* winpiruk_audio_backend() {
  return new winpiruk::SdlAudio();
}

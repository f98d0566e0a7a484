#include "sound/module/MidiPiece.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace winpiruk {
namespace {

// Voices sounding at once: more than a game's background piece needs, and
// each costs buffers whether it sounds or not.
constexpr int kPolyphony = 64;
// The start of a piece is played once silently while it is read, so that the
// instruments it selects at once are loaded then, not on the audio thread.
constexpr int kWarmUpFrames = 16384;
constexpr int kWarmUpBlock = 1024;
// Room for the largest buffer the device is likely to ask for (the device
// is opened for 1024 frames), so that the audio thread need not allocate.
constexpr size_t kScratchFrames = 4096;

struct SettingsDeleter {
  void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
  void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct PlayerDeleter {
  void operator()(fluid_player_t* player) const { delete_fluid_player(player); }
};

std::unique_ptr<fluid_settings_t, SettingsDeleter> SettingsFor(int frequency) {
  std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
  if (!settings) return settings;
  fluid_settings_setnum(settings.get(), "synth.sample-rate", frequency);
  fluid_settings_setint(settings.get(), "synth.polyphony", kPolyphony);
  fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
  // A new start keeps the instruments selected (and loaded) before.
  fluid_settings_setint(settings.get(), "player.reset-synth", 0);
  return settings;
}

// The sound fonts the mixer would use ("a:b" or "a;b").
int LoadSoundFonts(fluid_synth_t* synth) {
  const char* fonts = Mix_GetSoundFonts();
  if (fonts == nullptr) return 0;
  int loaded = 0;
  std::string list = fonts;
  size_t begin = 0;
  while (begin <= list.size()) {
    const size_t end = std::min(list.find_first_of(":;", begin), list.size());
    const std::string path = list.substr(begin, end - begin);
    if (!path.empty() && fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED) ++loaded;
    begin = end + 1;
  }
  return loaded;
}

}  // namespace

struct MidiPiece::Synth {
  std::unique_ptr<fluid_settings_t, SettingsDeleter> settings;
  std::unique_ptr<fluid_synth_t, SynthDeleter> synth;
  std::unique_ptr<fluid_player_t, PlayerDeleter> player;
  std::string file;
  bool as_float = false;
  // The synthesizer's output below full volume, before it is mixed in at its level.
  std::vector<unsigned char> scratch;

  // A fresh player from the piece's start (a finished player does not start again).
  bool NewPlayer() {
    player.reset(new_fluid_player(synth.get()));
    return player && fluid_player_add_mem(player.get(), file.data(), file.size()) == FLUID_OK &&
           fluid_player_play(player.get()) == FLUID_OK;
  }

  void Write(unsigned char* stream, int frames) {
    if (as_float) {
      auto* out = reinterpret_cast<float*>(stream);
      fluid_synth_write_float(synth.get(), frames, out, 0, 2, out, 1, 2);
    } else {
      auto* out = reinterpret_cast<int16_t*>(stream);
      fluid_synth_write_s16(synth.get(), frames, out, 0, 2, out, 1, 2);
    }
  }

  void WarmUp() {
    if (!NewPlayer()) return;
    std::vector<float> scratch(2 * kWarmUpBlock);
    for (int done = 0; done < kWarmUpFrames; done += kWarmUpBlock) {
      fluid_synth_write_float(synth.get(), kWarmUpBlock, scratch.data(), 0, 2, scratch.data(), 1, 2);
    }
    player.reset();
    fluid_synth_all_sounds_off(synth.get(), -1);
  }
};

std::unique_ptr<MidiPiece> MidiPiece::Load(const std::string& path) {
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || channels != 2) return nullptr;
  if (format != AUDIO_S16SYS && format != AUDIO_F32SYS) return nullptr;
  if (fluid_is_midifile(path.c_str()) == 0) return nullptr;
  auto synth = std::make_unique<Synth>();
  std::ifstream in(path, std::ios::binary);
  synth->file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  synth->as_float = format == AUDIO_F32SYS;
  synth->scratch.resize(kScratchFrames * 2 * (synth->as_float ? sizeof(float) : sizeof(int16_t)));
  synth->settings = SettingsFor(frequency);
  if (!synth->settings) return nullptr;
  synth->synth.reset(new_fluid_synth(synth->settings.get()));
  if (!synth->synth || LoadSoundFonts(synth->synth.get()) == 0) return nullptr;
  synth->WarmUp();
  return std::unique_ptr<MidiPiece>(new MidiPiece(std::move(synth)));
}

std::atomic<int> MidiPiece::level_{MIX_MAX_VOLUME};

MidiPiece::MidiPiece(std::unique_ptr<Synth> synth) : synth_(std::move(synth)) {}

MidiPiece::~MidiPiece() { Stop(); }

void MidiPiece::Start(void (*ended)()) {
  Stop();
  fluid_synth_all_sounds_off(synth_->synth.get(), -1);
  on_end_ = ended;
  paused_ = false;
  ended_ = false;
  if (!synth_->NewPlayer()) {
    ended_ = true;
    return;
  }
  Mix_HookMusic(&MidiPiece::Render, this);
  handed_over_ = true;
}

void MidiPiece::Stop() {
  if (!handed_over_) return;
  // The mixer changes its music hook under its lock: no Render runs after this.
  Mix_HookMusic(nullptr, nullptr);
  handed_over_ = false;
  synth_->player.reset();
  fluid_synth_all_sounds_off(synth_->synth.get(), -1);
}

void MidiPiece::Render(void* piece, unsigned char* stream, int length) {
  static_cast<MidiPiece*>(piece)->Fill(stream, length);
}

void MidiPiece::Fill(unsigned char* stream, int length) {
  // The mixer hands over a silent stream; paused or ended, it stays so.
  if (paused_ || ended_) return;
  const int frame_bytes = 2 * (synth_->as_float ? static_cast<int>(sizeof(float)) : static_cast<int>(sizeof(int16_t)));
  const int level = level_.load();
  if (level >= MIX_MAX_VOLUME) {
    synth_->Write(stream, length / frame_bytes);
  } else {
    // The piece goes on at any level, silent included, so it keeps its time;
    // the mixer's own mixing scales it into the silent stream.
    std::vector<unsigned char>& scratch = synth_->scratch;
    if (scratch.size() < static_cast<size_t>(length)) scratch.resize(static_cast<size_t>(length));
    synth_->Write(scratch.data(), length / frame_bytes);
    SDL_MixAudioFormat(stream, scratch.data(), synth_->as_float ? AUDIO_F32SYS : AUDIO_S16SYS,
                       static_cast<Uint32>(length), level);
  }
  if (fluid_player_get_status(synth_->player.get()) == FLUID_PLAYER_DONE) {
    ended_ = true;
    if (on_end_ != nullptr) on_end_();
  }
}

}  // namespace winpiruk

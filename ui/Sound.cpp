#include "ui/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace winpiruk {
namespace {

// The mixer's channels, enough for effects that overlap.
constexpr int kChannels = 16;
// What the device still has queued after a channel ends (a 1024-frame
// buffer is a few tens of milliseconds), and the wait between looks when an
// effect is still playing at its expected end.
constexpr int kTailMs = 60;

// How long a decoded effect plays, in the device's format.
int LengthMs(const Mix_Chunk& chunk) {
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0 || channels <= 0) return 0;
  const int frame_bytes = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
  return static_cast<int>(static_cast<long long>(chunk.alen) * 1000 / (static_cast<long long>(frame_bytes) * frequency));
}

}  // namespace

void EffectPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

EffectPlayer::EffectPlayer() {
  release_timer_.setSingleShot(true);
  QObject::connect(&release_timer_, &QTimer::timeout, [this] { ReleaseWhenSilent(); });
}

EffectPlayer::~EffectPlayer() {
  if (device_.Held()) Mix_HaltChannel(-1);
  chunks_.clear();
}

bool EffectPlayer::Open() {
  if (!device_.Hold()) return false;
  // A device opened afresh has the mixer's default channels.
  if (Mix_AllocateChannels(-1) < kChannels) Mix_AllocateChannels(kChannels);
  return true;
}

void EffectPlayer::ReleaseWhenSilent() {
  if (Mix_Playing(-1) > 0) {
    WatchUntil(kTailMs);
    return;
  }
  device_.Release();
}

void EffectPlayer::WatchUntil(int milliseconds) {
  if (release_timer_.isActive() && release_timer_.remainingTime() >= milliseconds) return;
  release_timer_.start(milliseconds);
}

int EffectPlayer::PlayEffect(const std::string& path, bool sound_on) {
  last_result_ = 0;
  if (!sound_on || path.empty() || !Open()) return last_result_;
  auto found = chunks_.find(path);
  if (found == chunks_.end()) {
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    // A missing file is remembered as such, so it is not looked for on every card.
    found = chunks_.emplace(path, std::unique_ptr<Mix_Chunk, ChunkDeleter>(chunk)).first;
  }
  if (found->second && Mix_PlayChannel(-1, found->second.get(), 0) >= 0) last_result_ = 1;
  // Nothing started: the device goes as soon as the other effects end.
  WatchUntil(last_result_ != 0 ? LengthMs(*found->second) + kTailMs : 0);
  return last_result_;
}

}  // namespace winpiruk

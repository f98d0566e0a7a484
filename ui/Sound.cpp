#include "ui/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace winpiruk {

void EffectPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

EffectPlayer::EffectPlayer() = default;

EffectPlayer::~EffectPlayer() {
  if (!device_ || !device_->IsOpen()) return;
  Mix_HaltChannel(-1);
  chunks_.clear();
}

bool EffectPlayer::Open() {
  if (!device_) {
    // The device is opened on the first effect, shared with the music.
    device_ = std::make_unique<AudioDevice>();
    if (device_->IsOpen()) Mix_AllocateChannels(16);
  }
  return device_->IsOpen();
}

const std::string& EffectPlayer::Driver() const {
  static const std::string kNone;
  return device_ ? device_->Driver() : kNone;
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
  if (!found->second) return last_result_;
  last_result_ = Mix_PlayChannel(-1, found->second.get(), 0) >= 0 ? 1 : 0;
  return last_result_;
}

}  // namespace winpiruk

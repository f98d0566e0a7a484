#include "ui/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace winpiruk {

void EffectPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

EffectPlayer::EffectPlayer() = default;

EffectPlayer::~EffectPlayer() {
  if (!opened_) return;
  Mix_HaltChannel(-1);
  chunks_.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool EffectPlayer::Open() {
  if (tried_) return opened_;
  tried_ = true;
  // SDL would otherwise take over SIGINT and SIGTERM from the program.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  auto try_driver = [this](const char* driver) {
    if (driver != nullptr) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    const char* name = SDL_GetCurrentAudioDriver();
    driver_ = name != nullptr ? name : "";
    Mix_AllocateChannels(16);
    return true;
  };
  // Without a sound device the game plays silently through the dummy driver.
  opened_ = try_driver(nullptr) || try_driver("dummy");
  return opened_;
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

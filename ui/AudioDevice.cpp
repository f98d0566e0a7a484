#include "ui/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace winpiruk {
namespace {

bool OpenWith(const char* driver) {
  if (driver != nullptr) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  // Opened already (by the effects): the same format only counts one more
  // holder; another format would close the device under the other holder.
  const bool shared = Mix_QuerySpec(&frequency, &format, &channels) != 0;
  const int result = shared ? Mix_OpenAudio(frequency, format, channels, 1024)
                            : Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024);
  if (result != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

}  // namespace

AudioDevice::AudioDevice() {
  // SDL would otherwise take over SIGINT and SIGTERM from the program.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  open_ = OpenWith(nullptr) || OpenWith("dummy");
  if (open_) {
    const char* name = SDL_GetCurrentAudioDriver();
    driver_ = name != nullptr ? name : "";
  }
}

AudioDevice::~AudioDevice() {
  if (!open_) return;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace winpiruk

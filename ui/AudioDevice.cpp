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

}  // namespace

AudioDevice::~AudioDevice() {
  Release();
  if (keeps_sound_system_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioDevice::Hold() {
  if (held_) return true;
  // SDL would otherwise take over SIGINT and SIGTERM from the program.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  held_ = OpenWith(nullptr) || OpenWith("dummy");
  if (!held_) return false;
  if (!keeps_sound_system_) {
    // The driver stays loaded between holds; only the device closes.
    keeps_sound_system_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    const char* name = SDL_GetCurrentAudioDriver();
    driver_ = name != nullptr ? name : "";
  }
  return true;
}

void AudioDevice::Release() {
  if (!held_) return;
  held_ = false;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioDevice::DeviceOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

}  // namespace winpiruk

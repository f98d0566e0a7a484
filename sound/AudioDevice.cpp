#include "sound/AudioDevice.h"

#include "sound/AudioModule.h"

namespace winpiruk {

AudioDevice::~AudioDevice() {
  Release();
  if (keeps_sound_system_) Audio()->LetSoundSystemGo();
}

bool AudioDevice::Hold() {
  if (held_) return true;
  AudioBackend* audio = Audio();
  held_ = audio != nullptr && audio->OpenDevice();
  if (!held_) return false;
  if (!keeps_sound_system_) {
    // The driver stays loaded between holds; only the device closes.
    keeps_sound_system_ = audio->KeepSoundSystem();
    driver_ = audio->Driver();
  }
  return true;
}

void AudioDevice::Release() {
  if (!held_) return;
  held_ = false;
  Audio()->CloseDevice();
}

bool AudioDevice::DeviceOpen() {
  const AudioBackend* audio = Audio();
  return audio != nullptr && audio->DeviceOpen();
}

}  // namespace winpiruk

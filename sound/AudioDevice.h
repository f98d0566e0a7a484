#pragma once
// One hold on the mixer's audio device. The device is shared: every holder
// opens it with the same format and the last one to let go closes it, so
// that while nothing plays no audio thread runs at all. A holder keeps the
// sound system itself ready between holds, which makes reopening quick.
// With no sound device the dummy driver stands in, so the game plays
// silently; without the sound system's module no hold succeeds, and the
// game is as silent.
#include <string>

namespace winpiruk {

class AudioDevice {
 public:
  AudioDevice() = default;
  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // Opens the device, or joins the holder that has it open; true when held.
  bool Hold();
  // Lets go of the hold; the last holder's release closes the device.
  void Release();
  bool Held() const { return held_; }
  // The driver in use ("dummy" when no sound device could be opened; empty
  // before the first hold).
  const std::string& Driver() const { return driver_; }

  // Whether the mixer's device is open now, by any holder.
  static bool DeviceOpen();

 private:
  bool held_ = false;
  bool keeps_sound_system_ = false;
  std::string driver_;
};

}  // namespace winpiruk

#pragma once
// One hold on the mixer's audio device. The device is shared: every holder
// opens it with the same format and the last one to let go closes it. With
// no sound device the dummy driver stands in, so the game plays silently.
#include <string>

namespace winpiruk {

class AudioDevice {
 public:
  AudioDevice();
  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  bool IsOpen() const { return open_; }
  // The driver in use ("dummy" when no sound device could be opened).
  const std::string& Driver() const { return driver_; }

 private:
  bool open_ = false;
  std::string driver_;
};

}  // namespace winpiruk

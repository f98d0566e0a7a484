#pragma once
// The player's two volumes, in percent of full: the effects and the music.
// They only set how loud; whether anything sounds at all is the settings'
// sound switch, so an effect at 0 % still counts as played.
#include <algorithm>

namespace winpiruk {

inline constexpr int kFullVolume = 100;

struct SoundVolumes {
  int effects = kFullVolume;
  int music = kFullVolume;
  bool operator==(const SoundVolumes&) const = default;
};

// Each volume brought into 0..kFullVolume.
inline SoundVolumes Clamped(SoundVolumes volumes) {
  volumes.effects = std::clamp(volumes.effects, 0, kFullVolume);
  volumes.music = std::clamp(volumes.music, 0, kFullVolume);
  return volumes;
}

}  // namespace winpiruk

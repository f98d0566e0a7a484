#pragma once
// The sound system's module, beside the program in the library folder
// (lib/winpiruk/sound/ from the program's folder's parent, in the build tree as
// installed). It is loaded the first time a sound is wanted and stays loaded.
#include "sound/AudioBackend.h"
#include "sound/SoundVolumes.h"

namespace winpiruk {

// Loads the module on the first call (on any thread); null when it is
// missing or cannot be loaded, and then the program is silent, as with no
// sound device.
AudioBackend* Audio();

// The player's volumes: kept here until the module is loaded (setting them
// does not load it), handed to it at once once it is.
void SetSoundVolumes(const SoundVolumes& volumes);
SoundVolumes CurrentSoundVolumes();

// Another sound system in the module's place while this lives (the window
// tests listen to what the windows ask of it this way); it is given the
// volumes as they stand.
class AudioStandIn {
 public:
  explicit AudioStandIn(AudioBackend& backend);
  ~AudioStandIn();
  AudioStandIn(const AudioStandIn&) = delete;
  AudioStandIn& operator=(const AudioStandIn&) = delete;
};

}  // namespace winpiruk

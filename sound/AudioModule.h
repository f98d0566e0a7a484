#pragma once
// The sound system's module, beside the program in the library folder
// (lib/winpiruk/sound/ from the program's folder's parent, in the build tree as
// installed). It is loaded the first time a sound is wanted and stays loaded.
#include "sound/AudioBackend.h"

namespace winpiruk {

// Loads the module on the first call (on any thread); null when it is
// missing or cannot be loaded, and then the program is silent, as with no
// sound device.
AudioBackend* Audio();

}  // namespace winpiruk

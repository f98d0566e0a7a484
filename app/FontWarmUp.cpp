#include "app/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace winpiruk {

std::jthread WarmUpFontConfig() {
  // The library keeps one configuration per process and installs it
  // atomically, so the windows' font database takes the one read here.
  return std::jthread([] { FcInit(); });
}

}  // namespace winpiruk

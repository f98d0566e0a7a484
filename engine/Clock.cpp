#include "engine/Clock.h"

#include <ctime>

namespace winpiruk {

TimeOfDay SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return TimeOfDay{local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace winpiruk

#include "members/PointsText.h"

#include <cmath>

#include "config/NumberText.h"

namespace winpiruk {

int16_t PointsFromText(std::string_view text) {
  const double value = NumericPrefix(text);
  if (std::isnan(value)) return 0;
  if (const std::optional<int16_t> fitted = RoundToInt16(value)) return *fitted;
  return value > 0 ? INT16_MAX : INT16_MIN;
}

}  // namespace winpiruk

#pragma once
// The points a member's points box stands for.
#include <cstdint>
#include <string_view>

namespace winpiruk {

// The numeric prefix of the text rounded to a whole number, as number keys
// are read from the settings file; a value beyond 16 bits is clamped to the
// nearest limit instead of being refused, so every text stands for a value.
int16_t PointsFromText(std::string_view text);

}  // namespace winpiruk

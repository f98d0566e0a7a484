#include "members/PointsText.h"

#include <gtest/gtest.h>

namespace winpiruk {
namespace {

TEST(PointsText, NumericPrefixRoundedAndClampedTo16Bits) {
  struct Case {
    const char* text;
    int16_t points;
  } const cases[] = {
      {"1000", 1000},  {"-120点", -120}, {"abc", 0},         {"", 0},          {" 1 2 3", 123},
      {"2.5", 2},      {"3.5", 4},       {"32767", 32767},   {"32768", 32767}, {"-32768", -32768},
      {"-99999", -32768}, {"1e300", 32767}, {"1e999", 32767}, {"-1e999", -32768}, {"&H7FFF", 32767},
  };
  for (const auto& c : cases) EXPECT_EQ(PointsFromText(c.text), c.points) << c.text;
}

}  // namespace
}  // namespace winpiruk

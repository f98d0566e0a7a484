#include "engine/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace winpiruk {
namespace {

// The values a generator gives next: single draws around a Fill that is
// not a multiple of its lanes, so the state after each path is put back.
std::vector<float> NextValues(StandardRandom& random) {
  std::vector<float> values;
  values.push_back(random.Next());
  std::array<float, 11> filled{};
  random.Fill(filled);
  values.insert(values.end(), filled.begin(), filled.end());
  for (int i = 0; i < 3; ++i) values.push_back(random.Next());
  return values;
}

TEST(StandardRandom, RestoreGoesOnWithTheValuesThatFollowedTheStateTaken) {
  struct Case {
    int32_t seed;
    int draws_before;  // single draws
    int filled_before;  // values drawn by one Fill
  };
  const Case cases[] = {{0, 0, 0}, {7, 3, 0}, {-12345, 0, 142}, {2026, 5, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seed);
    StandardRandom original(c.seed);
    for (int i = 0; i < c.draws_before; ++i) original.Next();
    std::vector<float> before(static_cast<std::size_t>(c.filled_before));
    original.Fill(before);
    const uint64_t kept = original.State();
    const std::vector<float> expected = NextValues(original);

    StandardRandom restored(99);
    restored.Next();
    restored.Restore(kept);
    EXPECT_EQ(restored.State(), kept);
    EXPECT_EQ(NextValues(restored), expected);
  }
}

}  // namespace
}  // namespace winpiruk

#pragma once
// The one uniform random source of the program and the rules built on it.
#include <cstdint>
#include <span>

namespace winpiruk {

// Uniform values in [0, 1) in single precision; every comparison of the
// game's decisions is made on these floats.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float Next() = 0;
  virtual void Seed(int32_t seed) = 0;
  // The next values in a row, exactly as that many calls of Next() give
  // them; a generator overrides it to draw a shuffle's worth in one call.
  virtual void Fill(std::span<float> out) {
    for (float& value : out) value = Next();
  }
};

// A random integer 0..k-1: the integer part of r × k, kept inside the range
// when single-precision rounding lands exactly on k.
inline int RandomInt(float r, int k) {
  // r × k is never negative, so truncation is the integer part.
  const int value = static_cast<int>(r * static_cast<float>(k));
  return value < 0 ? 0 : (value >= k ? k - 1 : value);
}

// The program's generator: a 32-bit permuted congruential generator giving
// 24-bit fractions. The same seed always gives the same sequence.
class StandardRandom final : public RandomSource {
 public:
  explicit StandardRandom(int32_t seed = 0) { Seed(seed); }

  float Next() override {
    const uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + kIncrement;
    const auto xorshifted = static_cast<uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<uint32_t>(old >> 59U);
    const uint32_t out = (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
    return static_cast<float>(out >> 8U) * (1.0F / 16777216.0F);
  }

  void Fill(std::span<float> out) override {
    for (float& value : out) value = StandardRandom::Next();
  }

  void Seed(int32_t seed) override {
    state_ = 0;
    Next();
    state_ += static_cast<uint64_t>(static_cast<uint32_t>(seed)) + 0x853c49e6748fea9bULL;
    Next();
  }

 private:
  static constexpr uint64_t kIncrement = 1442695040888963407ULL;
  uint64_t state_ = 0;
};

}  // namespace winpiruk

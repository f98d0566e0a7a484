#pragma once
// The one uniform random source of the program and the rules built on it.
#include <array>
#include <cstddef>
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
    state_ = old * kMultiplier + kIncrement;
    return Output(old);
  }

  // Four states a step apart, each stepped four at a time: the same values
  // in the same order as Next(), without each waiting on the one before.
  void Fill(std::span<float> out) override {
    std::size_t i = 0;
    if (out.size() >= kLanes) {
      std::array<uint64_t, kLanes> lane{};
      lane[0] = state_;
      for (std::size_t k = 1; k < kLanes; ++k) lane[k] = lane[k - 1] * kMultiplier + kIncrement;
      for (; i + kLanes <= out.size(); i += kLanes) {
        for (std::size_t k = 0; k < kLanes; ++k) {
          out[i + k] = Output(lane[k]);
          lane[k] = lane[k] * kLanesMultiplier + kLanesIncrement;
        }
      }
      state_ = lane[0];
    }
    for (; i < out.size(); ++i) out[i] = StandardRandom::Next();
  }

  // The generator's whole state: Restore(State()) gives the same values from
  // there on, so a match kept in a file goes on with the draws it would have had.
  uint64_t State() const { return state_; }
  void Restore(uint64_t state) { state_ = state; }

  void Seed(int32_t seed) override {
    state_ = 0;
    Next();
    state_ += static_cast<uint64_t>(static_cast<uint32_t>(seed)) + 0x853c49e6748fea9bULL;
    Next();
  }

 private:
  static constexpr uint64_t kMultiplier = 6364136223846793005ULL;
  static constexpr uint64_t kIncrement = 1442695040888963407ULL;
  static constexpr std::size_t kLanes = 4;
  // kLanes steps in one: x → x·a⁴ + c·(a³ + a² + a + 1), modulo 2⁶⁴.
  static constexpr uint64_t kLanesMultiplier = kMultiplier * kMultiplier * kMultiplier * kMultiplier;
  static constexpr uint64_t kLanesIncrement =
      kIncrement * (kMultiplier * kMultiplier * kMultiplier + kMultiplier * kMultiplier + kMultiplier + 1);

  // The permuted output of a state: its top bits rotated, 24 bits kept.
  static float Output(uint64_t old) {
    const auto xorshifted = static_cast<uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<uint32_t>(old >> 59U);
    const uint32_t out = (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
    return static_cast<float>(out >> 8U) * (1.0F / 16777216.0F);
  }
  uint64_t state_ = 0;
};

}  // namespace winpiruk

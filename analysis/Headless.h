#pragma once
// The random source and the clock of a table played headless: both follow
// from one seed, so a run plays the same hands every time.
#include <cstdint>
#include <span>

#include "engine/Clock.h"
#include "engine/Random.h"

namespace winpiruk::analysis {

// The engine reseeds from the time of day at every deal, which gives only a
// few thousand distinct deals; this source mixes its own seed and the deal
// count into every reseed so that long runs keep meeting new tables.
class HeadlessRandom final : public RandomSource {
 public:
  explicit HeadlessRandom(uint32_t seed) : base_(seed), inner_(static_cast<int32_t>(seed)) {}
  float Next() override { return inner_.Next(); }
  void Fill(std::span<float> out) override { inner_.Fill(out); }
  void Seed(int32_t seed) override {
    uint64_t x = (static_cast<uint64_t>(base_) << 32U) ^ (++deals_ * 0x9E3779B97F4A7C15ULL) ^
                 static_cast<uint32_t>(seed);
    x ^= x >> 31U;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 29U;
    inner_.Seed(static_cast<int32_t>(x));
  }

 private:
  uint32_t base_;
  uint64_t deals_ = 0;
  StandardRandom inner_;
};

// A clock one second further on at every look.
class SteppingClock final : public Clock {
 public:
  explicit SteppingClock(uint32_t seed) : ticks_(seed % 86400U) {}
  TimeOfDay Now() const override {
    const uint32_t t = ticks_++ % 86400U;
    return TimeOfDay{2026, static_cast<int>(t / 3600U), static_cast<int>(t / 60U % 60U), static_cast<int>(t % 60U)};
  }

 private:
  mutable uint32_t ticks_;
};

}  // namespace winpiruk::analysis

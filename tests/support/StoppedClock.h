#pragma once
// A time of day that moves only when the test sets it: every deal and every
// member draw is the same from run to run.
#include "engine/Clock.h"

namespace winpiruk::test {

class StoppedClock final : public Clock {
 public:
  StoppedClock() = default;
  explicit StoppedClock(TimeOfDay now) : now_(now) {}
  TimeOfDay Now() const override { return now_; }
  void Set(TimeOfDay now) { now_ = now; }

 private:
  TimeOfDay now_{2026, 13, 45, 30};
};

}  // namespace winpiruk::test

#pragma once
// The time of day, for the seed of every deal and the start of a match.
// Pauses never use it: they are timed by the view on a monotonic clock.
#include <cstdint>

namespace winpiruk {

struct TimeOfDay {
  int year = 2000;
  int hour = 0;
  int minute = 0;
  int second = 0;

  int32_t SecondsSinceMidnight() const { return hour * 3600 + minute * 60 + second; }
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeOfDay Now() const = 0;
};

// The local time of the machine.
class SystemClock final : public Clock {
 public:
  TimeOfDay Now() const override;
};

// The seed of a deal: minutes × seconds + the last two digits of the year.
constexpr int32_t DealSeed(const TimeOfDay& t) { return t.minute * t.second + t.year % 100; }

}  // namespace winpiruk

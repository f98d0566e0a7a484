#pragma once
// A clock for the table's waits that moves only when the test moves it, so
// that a wait is seen to hold and to end without sleeping.
#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "gui/table/TableWaits.h"

namespace winpiruk::test {

class FakeWaitClock final : public WaitClock {
 public:
  std::unique_ptr<Timer> After(int milliseconds, std::function<void()> elapsed) override {
    auto timer = std::make_unique<Pending>(*this, now_ + std::max(0, milliseconds), std::move(elapsed));
    pending_.push_back(timer.get());
    return timer;
  }

  // Moves the clock on: the waits that fall due end, earliest first, and
  // what they queued runs. A wait that keeps starting another due at once
  // would never let the clock stop: that ends the test.
  void Advance(int milliseconds) {
    now_ += milliseconds;
    for (int ended = 0;; ++ended) {
      auto due = std::min_element(pending_.begin(), pending_.end(),
                                  [](const Pending* a, const Pending* b) { return a->due < b->due; });
      if (due == pending_.end() || (*due)->due > now_) break;
      if (ended == kMostWaitsPerAdvance) qFatal("more than %d waits fell due in one advance of the clock", ended);
      Pending* timer = *due;
      pending_.erase(due);
      timer->elapsed();
    }
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }

  // Lets queued events run without moving the clock.
  static void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }

  // Moves the clock on a tenth of a second at a time until `done`; false
  // when a minute of game time did not do it.
  bool AdvanceUntil(const std::function<bool()>& done) {
    for (int step = 0; step < 600 && !done(); ++step) Advance(100);
    return done();
  }

  int Waiting() const { return static_cast<int>(pending_.size()); }

 private:
  struct Pending final : Timer {
    Pending(FakeWaitClock& clock, int due, std::function<void()> elapsed)
        : clock(clock), due(due), elapsed(std::move(elapsed)) {}
    ~Pending() override { std::erase(clock.pending_, this); }
    FakeWaitClock& clock;
    int due;
    std::function<void()> elapsed;
  };

  static constexpr int kMostWaitsPerAdvance = 100000;
  int now_ = 0;
  std::vector<Pending*> pending_;
};

}  // namespace winpiruk::test

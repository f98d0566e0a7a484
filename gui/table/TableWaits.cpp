#include "gui/table/TableWaits.h"

#include <QDialog>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "gui/common/SuspendableRun.h"

namespace winpiruk {
namespace {

// Marks a member for the life of a wait, even one unwound by a stop.
template <typename T>
class During {
 public:
  During(T& field, T value) : field_(field), before_(std::exchange(field, value)) {}
  ~During() { field_ = before_; }
  During(const During&) = delete;
  During& operator=(const During&) = delete;

 private:
  T& field_;
  T before_;
};

class PreciseTimer final : public WaitClock::Timer {
 public:
  PreciseTimer(int milliseconds, std::function<void()> elapsed) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(elapsed));
    timer_.start(std::max(0, milliseconds));
  }

 private:
  QTimer timer_;
};

class PreciseClock final : public WaitClock {
 public:
  std::unique_ptr<Timer> After(int milliseconds, std::function<void()> elapsed) override {
    return std::make_unique<PreciseTimer>(milliseconds, std::move(elapsed));
  }
};

}  // namespace

WaitClock& PreciseWaitClock() {
  static PreciseClock clock;
  return clock;
}

void TableWaits::For(int milliseconds, InputDuringWait input) {
  bool elapsed = false;
  {
    During<bool> holding(holding_input_, input == InputDuringWait::Held);
    const std::unique_ptr<WaitClock::Timer> timer = clock_->After(milliseconds, [this, &elapsed] {
      elapsed = true;
      ResumeLater();
    });
    Until(elapsed);
  }
  ReleaseHeldInput();
}

int TableWaits::ForWindow(QDialog& dialog, WindowShown shown) {
  bool finished = false;
  int result = QDialog::Rejected;
  QObject receiver;
  QObject::connect(&dialog, &QDialog::finished, &receiver, [this, &finished, &result](int code) {
    finished = true;
    result = code;
    ResumeLater();
  });
  if (shown == WindowShown::OverTheTable) {
    dialog.open();
  } else {
    dialog.setWindowModality(Qt::NonModal);
    dialog.setAttribute(Qt::WA_ShowWithoutActivating);
    dialog.show();
  }
  Until(finished);
  return result;
}

void TableWaits::Until(const bool& done) {
  SuspendableRun* run = SuspendableRun::Current();
  // Outside a run nothing can wait (the table is driven directly).
  if (run == nullptr) return;
  During<SuspendableRun*> waiting(waiting_, run);
  while (!done || blocked_) run->Suspend();
}

void TableWaits::ResumeLater() {
  // Whatever signalled may still be on the stack: the run may delete it.
  QTimer::singleShot(0, &context_, [this] {
    if (waiting_ != nullptr) waiting_->Resume();
  });
}

void TableWaits::SetTableBlocked(bool blocked) {
  blocked_ = blocked;
  if (!blocked) ResumeLater();
}

bool TableWaits::HoldInput(const std::function<void()>& input) {
  if (!holding_input_) return false;
  held_.push_back(input);
  return true;
}

void TableWaits::ReleaseHeldInput() {
  for (std::function<void()>& input : std::exchange(held_, {})) {
    QTimer::singleShot(0, &context_, std::move(input));
  }
}

}  // namespace winpiruk

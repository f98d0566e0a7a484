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

}  // namespace

void TableWaits::For(int milliseconds, InputDuringWait input) {
  bool elapsed = false;
  {
    During<bool> holding(holding_input_, input == InputDuringWait::Held);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &timer, [this, &elapsed] {
      elapsed = true;
      ResumeLater();
    });
    timer.start(std::max(0, milliseconds));
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

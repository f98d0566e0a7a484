#include "gui/common/Awaiting.h"

#include <QTimer>
#include <algorithm>
#include <optional>

#include "gui/common/SuspendableRun.h"

namespace winpiruk {

void RunAwaiting(std::function<void()> body) { SuspendableRun::Start(std::move(body)); }

// The run is resumed by a queued call, after whatever signalled the end has
// returned: the run may then delete the window or timer that signalled. A
// run that is stopped takes the receiver with it, and the call with that.
int AwaitDialog(QDialog& dialog) {
  SuspendableRun* run = SuspendableRun::Current();
  if (run == nullptr) return QDialog::Rejected;
  std::optional<int> result;
  QObject receiver;
  QObject::connect(
      &dialog, &QDialog::finished, &receiver,
      [&result, run](int code) {
        result = code;
        run->Resume();
      },
      Qt::QueuedConnection);
  dialog.open();
  while (!result) run->Suspend();
  return *result;
}

void AwaitTimeout(int milliseconds) {
  SuspendableRun* run = SuspendableRun::Current();
  if (run == nullptr) return;
  bool elapsed = false;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(
      &timer, &QTimer::timeout, &timer,
      [&elapsed, run] {
        elapsed = true;
        run->Resume();
      },
      Qt::QueuedConnection);
  timer.start(std::max(0, milliseconds));
  while (!elapsed) run->Suspend();
}

}  // namespace winpiruk

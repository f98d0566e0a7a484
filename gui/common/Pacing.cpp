#include "gui/common/Pacing.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace winpiruk {
namespace {

int wait_depth = 0;

struct DepthGuard {
  DepthGuard() { ++wait_depth; }
  ~DepthGuard() { --wait_depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
};

// Input held back by a wait stays in the window system's queue, and on X
// that queue is only read again when some new event wakes the loop: wake it,
// so that the next pass of whatever loop runs takes the held input.
void AnnounceHeldInput() {
  if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher()) dispatcher->wakeUp();
}

}  // namespace

int WaitDepth() { return wait_depth; }

void WaitFor(int milliseconds, InputDuringWait input) {
  DepthGuard depth;
  // A key or click that arrived since the last wait is handled now; its
  // handler meets the engine's guards, so it never moves out of turn.
  AnnounceHeldInput();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (milliseconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  // Excluded input is not lost: the window system keeps it queued.
  if (input == InputDuringWait::Processed) {
    loop.exec(QEventLoop::AllEvents);
    return;
  }
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  AnnounceHeldInput();
}

}  // namespace winpiruk

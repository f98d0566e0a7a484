#include "ui/Pacing.h"

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

}  // namespace

int WaitDepth() { return wait_depth; }

void WaitFor(int milliseconds, InputDuringWait input) {
  DepthGuard depth;
  // A key or click that arrived since the last wait is handled now; its
  // handler meets the engine's guards, so it never moves out of turn.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (milliseconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  // Excluded input is not lost: the window system keeps it queued.
  loop.exec(input == InputDuringWait::Kept ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
}

}  // namespace winpiruk

#pragma once
// What waits for a window (the program's commands, its Open… functions)
// runs inside a suspendable run, as it does in the program: the test's own
// event loop goes on meanwhile, answering the windows, until the run ends.
#include <QTest>
#include <functional>

#include "gui/common/SuspendableRun.h"

namespace winpiruk::test {

// Runs `body` as a run of its own and lets the loop go on until it ends,
// for up to `timeout_ms`; a run that has not ended by then is stopped, so
// that nothing is left waiting. True when it ended.
inline bool RunToEnd(const std::function<void()>& body, int timeout_ms = 10000) {
  bool ended = false;
  const SuspendableRun::Id id = SuspendableRun::Start([&] {
    body();
    ended = true;
  });
  if (ended || QTest::qWaitFor([&] { return ended; }, timeout_ms)) return true;
  SuspendableRun::Stop(id);
  return false;
}

// Lets the loop go on until no run waits any more (for up to `timeout_ms`):
// what a click, a key or a menu command started in a run of its own has
// ended. True when none waits.
inline bool NothingWaits(int timeout_ms = 10000) {
  return QTest::qWaitFor([] { return SuspendableRun::SuspendedCount() == 0; }, timeout_ms);
}

}  // namespace winpiruk::test

#pragma once
// The runs a window starts from its own buttons, keys and timers, to wait
// there for a message box, another window or time (see Awaiting.h). The
// window keeps them here and stops the ones still waiting when it goes, so
// that none is left waiting on a window that is gone: a window stops them
// first thing in its destructor, while its controls and the boxes over it
// still stand.
#include <functional>
#include <memory>
#include <vector>

#include "gui/common/SuspendableRun.h"

class QDialog;

namespace winpiruk {

class WindowRuns {
 public:
  WindowRuns() = default;
  // Stops whatever is still waiting.
  ~WindowRuns();
  WindowRuns(const WindowRuns&) = delete;
  WindowRuns& operator=(const WindowRuns&) = delete;

  // Starts `body` as a run of its own and returns when it ends or first
  // waits; the run is kept until it ends.
  void Start(std::function<void()> body);

  // Unwinds every run started here that is waiting now.
  void StopAll();

  // How many runs started here have not ended.
  int Waiting() const { return static_cast<int>(ids_->size()); }

 private:
  // Shared with the runs, which take themselves off as they end, even one
  // that outlives this (a run that was running when it was stopped).
  std::shared_ptr<std::vector<SuspendableRun::Id>> ids_ = std::make_shared<std::vector<SuspendableRun::Id>>();
};

// Opens `dialog`, made on the heap, and waits for it inside a run; outside
// every run, where nothing can wait, it opens on its own and is deleted when
// it closes. Returns the result inside a run, QDialog::Rejected outside.
// Either way the dialog is deleted by the time it has finished.
int AwaitOrLeaveOpen(QDialog* dialog);

}  // namespace winpiruk

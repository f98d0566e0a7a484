#pragma once
// Waiting for windows and time inside a suspendable run: the run stops where
// it waits, the event loop goes on, and the window's end or the timer takes
// the run up again. Outside every run nothing can wait: these return at once.
#include <QDialog>
#include <functional>

namespace winpiruk {

// Runs `body` as a suspendable run (see SuspendableRun).
void RunAwaiting(std::function<void()> body);

// Opens `dialog` with open() (window-modal over its parent) and waits for it
// to finish; returns its result. Outside a run: QDialog::Rejected, the
// dialog left open.
int AwaitDialog(QDialog& dialog);

// Waits `milliseconds` on a precise timer; 0 lets what is pending run once.
void AwaitTimeout(int milliseconds);

}  // namespace winpiruk

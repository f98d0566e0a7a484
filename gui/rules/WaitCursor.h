#pragma once
// The hourglass while a file is read or written, put back however the
// block is left.
#include <QApplication>
#include <QCursor>

namespace winpiruk {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace winpiruk

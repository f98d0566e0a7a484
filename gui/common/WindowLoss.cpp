#include "gui/common/WindowLoss.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <xcb/xcb.h>

namespace winpiruk {

WindowLossWatch::WindowLossWatch(QWidget& window) : QObject(&window), window_(window) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowLossWatch::nativeEventFilter(const QByteArray& event_type, void* message, qintptr* /*result*/) {
  // Other window systems do not destroy a program's windows behind its back.
  if (event_type != "xcb_generic_event_t") return false;
  // Only the server's own notice counts: one another client sent carries
  // the high bit and proves nothing.
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if (event->response_type != XCB_DESTROY_NOTIFY) return false;
  // The window's present id: one Qt destroyed itself, to hide or to
  // recreate the window, is no longer it.
  const WId own = window_.internalWinId();
  if (own == 0 || static_cast<const xcb_destroy_notify_event_t*>(message)->window != own) return false;
  // The notice is still being dispatched: whatever follows the loss runs
  // from the event loop, as a menu command would.
  QTimer::singleShot(0, this, &WindowLossWatch::Lost);
  return false;
}

}  // namespace winpiruk

#pragma once
// A window destroyed from outside the program (a window manager that went
// down with it, a tool that destroys windows by force) is gone from the
// screen, yet Qt keeps the widget as shown and says nothing: the watch tells.
#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

namespace winpiruk {

class WindowLossWatch : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  // Watches `window`, a top-level widget, for as long as the watch lives;
  // the watch is the window's child.
  explicit WindowLossWatch(QWidget& window);

  bool nativeEventFilter(const QByteArray& event_type, void* message, qintptr* result) override;

 signals:
  // The display destroyed the window's native window. Emitted from the
  // event loop, after the display's event has been handled.
  void Lost();

 private:
  QWidget& window_;
};

}  // namespace winpiruk

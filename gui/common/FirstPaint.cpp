#include "gui/common/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace winpiruk {
namespace {

// Sees the window's first exposure, which paints it, and queues the action
// behind that paint.
class FirstExposure : public QObject {
 public:
  FirstExposure(QWidget* window, std::function<void()> action)
      : QObject(window), window_(window), action_(std::move(action)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && window_->windowHandle()->isExposed()) RunSoon();
    return QObject::eventFilter(watched, event);
  }

  void RunSoon() {
    window_->windowHandle()->removeEventFilter(this);
    QTimer::singleShot(0, window_, std::move(action_));
    deleteLater();
  }

 private:
  QWidget* window_;
  std::function<void()> action_;
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> action) {
  window->winId();  // the native window, to watch
  auto* watch = new FirstExposure(window, std::move(action));
  if (window->windowHandle()->isExposed()) {
    watch->RunSoon();
  } else {
    window->windowHandle()->installEventFilter(watch);
  }
}

}  // namespace winpiruk

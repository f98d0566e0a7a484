#include "gui/common/EnterKey.h"

#include <QKeyEvent>
#include <QPointer>

namespace winpiruk {
namespace {

class EnterFilter final : public QObject {
 public:
  EnterFilter(QWidget& field, std::function<void()> action) : QObject(&field), action_(std::move(action)) {
    field.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    action_();
    return true;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void OnEnterKey(QWidget& field, std::function<void()> action) { new EnterFilter(field, std::move(action)); }

void EnterMovesFocusTo(QWidget& field, QWidget& next, Qt::FocusReason reason) {
  OnEnterKey(field, [target = QPointer<QWidget>(&next), reason] {
    if (target) target->setFocus(reason);
  });
}

}  // namespace winpiruk

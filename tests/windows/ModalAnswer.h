#pragma once
// Answers the next modal dialog from a timer, as a user would click it.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace winpiruk::test {

// Calls `answer` with the first modal widget that appears (polled every
// 20 ms for up to five seconds).
inline void WhenModalAppears(std::function<void(QWidget*)> answer) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, answer] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      answer(modal);
    } else if (++*tries > 250) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

inline void AcceptInputWith(const QString& text) {
  WhenModalAppears([text](QWidget* modal) {
    if (auto* input = qobject_cast<QInputDialog*>(modal)) {
      input->setTextValue(text);
      input->accept();
    }
  });
}

inline void RejectModal() {
  WhenModalAppears([](QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  });
}

// Records the text of a message box and presses its OK button.
inline void ConfirmMessage(QString* text) {
  WhenModalAppears([text](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (text != nullptr) *text = box->text();
      box->accept();
    }
  });
}

}  // namespace winpiruk::test

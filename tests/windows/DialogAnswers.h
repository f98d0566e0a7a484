#pragma once
// Answering the program's modal windows from a timer, as a user would: one
// window (the next that opens), every message box, or every window the
// table opens, the way a player answers them.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "Controls.h"
#include "gui/members/SeatingDialog.h"
#include "gui/scoring/HandResultDialog.h"
#include "gui/scoring/MatchEndDialog.h"

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

// Hands every modal window that opens to `answer` while it lives (polled,
// so that windows opened inside nested loops are seen too). `answer`
// returns false to leave a window alone for the moment.
class ModalDriver : public QObject {
 public:
  explicit ModalDriver(std::function<bool(QWidget*)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || busy_) return;
      busy_ = true;
      answer_(modal);
      busy_ = false;
    });
    timer_.start();
  }

 private:
  std::function<bool(QWidget*)> answer_;
  QTimer timer_;
  bool busy_ = false;
};

// Answers every message box with `button` while it lives, keeping the text,
// title and icon of the last one and how many there were.
class ModalAnswer {
 public:
  explicit ModalAnswer(QMessageBox::StandardButton button)
      : driver_([this, button](QWidget* modal) {
          auto* box = qobject_cast<QMessageBox*>(modal);
          if (box == nullptr) return false;
          text = box->text();
          title = box->windowTitle();
          icon = box->icon();
          ++count;
          if (QAbstractButton* b = box->button(button)) {
            b->click();
          } else {
            box->reject();
          }
          return true;
        }) {}

  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int count = 0;

 private:
  ModalDriver driver_;
};

// How a player answers the table's windows: the member window chooses at
// random and starts, the hand result and settlement go on with OK and "はい",
// and message boxes take their default button. True when `modal` was
// answered; a message box's text goes to `message`.
inline bool AnswerAsPlayer(QWidget* modal, QString* message = nullptr) {
  auto click_if_enabled = [modal](const QString& name) {
    auto* button = Control<QPushButton>(*modal, name);
    if (button->isEnabled()) button->click();
  };
  if (qobject_cast<SeatingDialog*>(modal) != nullptr) {
    click_if_enabled(QStringLiteral("randomChoiceButton"));
    click_if_enabled(QStringLiteral("okButton"));
    return true;
  }
  if (qobject_cast<HandResultDialog*>(modal) != nullptr) {
    Control<QPushButton>(*modal, QStringLiteral("okButton"))->click();
    return true;
  }
  if (qobject_cast<MatchEndDialog*>(modal) != nullptr) {
    Control<QPushButton>(*modal, QStringLiteral("againButton"))->click();
    return true;
  }
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    if (message != nullptr) *message = box->text();
    QAbstractButton* button = box->defaultButton();
    if (button == nullptr && !box->buttons().isEmpty()) button = box->buttons().first();
    if (button != nullptr) button->click();
    return true;
  }
  return false;
}

}  // namespace winpiruk::test

#pragma once
// How a player answers the table's windows in the window tests: the member
// window chooses at random and starts, the hand result and settlement go on
// with OK and "はい", and message boxes take their default button.
#include <QMessageBox>
#include <QPushButton>

#include "members/windows/Form2.h"
#include "scoring/windows/Form3.h"
#include "scoring/windows/Form4.h"

namespace winpiruk::test {

// True when `modal` was answered; a message box's text goes to `message`.
inline bool AnswerAsPlayer(QWidget* modal, QString* message = nullptr) {
  if (auto* decision = qobject_cast<Form2*>(modal)) {
    if (decision->Command2->isEnabled()) decision->Command2->click();
    if (decision->Command5->isEnabled()) decision->Command5->click();
    return true;
  }
  if (auto* result = qobject_cast<Form3*>(modal)) {
    result->Command1->click();
    return true;
  }
  if (auto* settlement = qobject_cast<Form4*>(modal)) {
    settlement->Command1->click();
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

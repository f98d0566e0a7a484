#include "gui/common/QtSettingsHost.h"

#include <QApplication>
#include <QInputDialog>

#include "gui/common/Messages.h"

namespace winpiruk {

void QtSettingsHost::Beep() { QApplication::beep(); }

void QtSettingsHost::ShowWriteFailure() { winpiruk::ShowWriteFailure(parent_); }

std::optional<std::string> QtSettingsHost::AskDataDirectory(const std::string& prompt,
                                                            const std::string& default_answer) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(kProgramTitle);
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(default_answer));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.resize(460, dialog.sizeHint().height());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

void QtSettingsHost::ShowRefusedPath(const std::string& message) {
  ShowMessage(parent_, kProgramTitle, QString::fromStdString(message), QMessageBox::Warning);
}

}  // namespace winpiruk

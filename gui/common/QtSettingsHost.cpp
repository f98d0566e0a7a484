#include "gui/common/QtSettingsHost.h"

#include <QApplication>
#include <QInputDialog>
#include <QScreen>
#include <algorithm>

#include "config/SafeFile.h"
#include "presentation/PictureNames.h"

#include "gui/common/Awaiting.h"
#include "gui/common/Messages.h"

namespace winpiruk {
namespace {

// The question opens below the window it asks for (the start-up window
// stays whole), or above it when the screen has no room below.
void PlaceBeside(QWidget& dialog, const QWidget* parent) {
  if (parent == nullptr || !parent->isVisible()) return;
  const QRect screen = parent->screen()->availableGeometry();
  const QRect around = parent->frameGeometry();
  const QSize size = dialog.sizeHint().expandedTo(dialog.size());
  const int left = std::clamp(around.center().x() - size.width() / 2, screen.left(),
                              std::max(screen.left(), screen.right() - size.width()));
  if (around.bottom() + 8 + size.height() <= screen.bottom()) {
    dialog.move(left, around.bottom() + 8);
  } else if (around.top() - 8 - size.height() >= screen.top()) {
    dialog.move(left, around.top() - 8 - size.height());
  }
}

}  // namespace

void QtSettingsHost::Beep() { QApplication::beep(); }

void QtSettingsHost::ShowWriteFailure() { winpiruk::ShowWriteFailure(parent_); }

std::optional<std::string> QtSettingsHost::AskDataDirectory(const std::string& prompt,
                                                            const std::string& default_answer) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(ProgramTitle());
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(default_answer));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.resize(460, dialog.sizeHint().height());
  PlaceBeside(dialog, parent_);
  if (AwaitDialog(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

void QtSettingsHost::ShowRefusedPath(const std::string& message) {
  ShowMessage(parent_, ProgramTitle(), QString::fromStdString(message), QMessageBox::Warning);
}

std::vector<std::string> QtSettingsHost::MissingPictures(const std::string& directory) {
  Settings probe;
  probe.DataFileDirectory = directory;
  std::vector<std::string> missing;
  for (const std::string& name : TablePictureFiles()) {
    if (!FileIsReadable(DataFilePath(probe, name))) missing.push_back(name);
  }
  return missing;
}

}  // namespace winpiruk

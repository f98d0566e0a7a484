#include "gui/common/Messages.h"

#include <QApplication>

#include "config/StorablePath.h"
#include "gui/common/Awaiting.h"
#include "gui/common/WindowRuns.h"

namespace winpiruk {
namespace {

// The button that answered `box`; NoButton when it was closed otherwise.
QMessageBox::StandardButton Answer(const QMessageBox& box) { return box.standardButton(box.clickedButton()); }

// The program's name stands in many titles; it is shown in the user's language.
QString Shown(const QString& title) { return title == kProgramTitle ? ProgramTitle() : title; }

}  // namespace

QString ProgramTitle() { return QCoreApplication::translate("Messages", "ぴるく"); }

void ShowMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
  AwaitOrLeaveOpen(new QMessageBox(icon, Shown(title), text, QMessageBox::Ok, parent));
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, Shown(title), text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  AwaitDialog(box);
  return Answer(box) == QMessageBox::Yes;
}

bool AskOkCancel(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, Shown(title), text, QMessageBox::Ok | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Cancel);
  AwaitDialog(box);
  return Answer(box) == QMessageBox::Ok;
}

void ShowWriteFailure(QWidget* parent) {
  QApplication::beep();
  ShowMessage(parent, ProgramTitle(), QCoreApplication::translate("Messages", "ファイルに正しく書き込めませんでした"),
              QMessageBox::Warning);
}

bool RefuseUnstorablePath(QWidget* parent, const QString& title, const std::string& path) {
  if (PathIsStorable(path)) return false;
  ShowMessage(parent, title, QString::fromStdString(UnstorablePathMessage(path)), QMessageBox::Warning);
  return true;
}

void ReportDamagedMemberFiles(QWidget* parent, const std::vector<DamagedMemberFile>& files) {
  for (const DamagedMemberFile& file : files) {
    ShowMessage(parent, ProgramTitle(), QString::fromStdString(DamagedMemberFileMessage(file)), QMessageBox::Warning);
  }
}

}  // namespace winpiruk

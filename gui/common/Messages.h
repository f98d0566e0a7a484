#pragma once
// The program's message boxes: the title "ぴるく" or "ぴるく  - topic -",
// centred over the main window, the standard buttons in the user's language. Each is
// window-modal over its parent and waits for its answer inside a suspendable
// run (see Awaiting.h). Outside every run nothing can wait: a message then
// opens on its own and the caller goes on, and a question is not asked and
// answered No / Cancel.
#include <QMessageBox>
#include <QString>
#include <string>
#include <vector>

#include "scoring/MemberFiles.h"

namespace winpiruk {

// The program's name as its Japanese source; a title given as this one is
// shown as ProgramTitle().
inline const QString kProgramTitle = QStringLiteral("ぴるく");

// The program's name in the user's language, for titles.
QString ProgramTitle();

void ShowMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon);

// Yes/No with the question icon; true for Yes.
bool AskYesNo(QWidget* parent, const QString& title, const QString& text);

// OK and Cancel with Cancel as the default; true for OK.
bool AskOkCancel(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon);

// "ファイルに正しく書き込めませんでした" after a beep.
void ShowWriteFailure(QWidget* parent);

// A chosen path that the settings file cannot hold is refused with a message
// naming the characters at fault; true when it was refused.
bool RefuseUnstorablePath(QWidget* parent, const QString& title, const std::string& path);

// One warning for each member file that was moved aside unread.
void ReportDamagedMemberFiles(QWidget* parent, const std::vector<DamagedMemberFile>& files);

}  // namespace winpiruk

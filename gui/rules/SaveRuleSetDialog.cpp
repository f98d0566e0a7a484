#include "gui/rules/SaveRuleSetDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

#include "config/RuleSets.h"
#include "config/SafeFile.h"
#include "gui/rules/RuleSetBrowser.h"
#include "gui/rules/RuleSetWindowLayout.h"
#include "gui/rules/WaitCursor.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"

namespace winpiruk {

SaveRuleSetDialog::SaveRuleSetDialog(GameState& state, QWidget* parent) : CentredDialog(parent), state_(state) {
  setObjectName(QStringLiteral("SaveRuleSetDialog"));
  setWindowTitle(QStringLiteral("ぴるく  - 設定の保存 -"));
  setModal(true);

  Lists = new RuleSetBrowser(this);
  Drive1 = Lists->Drive1;
  Dir1 = Lists->Dir1;
  File1 = Lists->File1;
  Label1 = new QLabel(QStringLiteral("ﾌｧｲﾙ名(*.prk) :"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Label1->setBuddy(Text1);
  Command3D1 = new QPushButton(QStringLiteral("OK"), this);
  Command3D1->setObjectName(QStringLiteral("Command3D1"));
  Command3D1->setDefault(true);
  Command3D1->setEnabled(false);
  Command3D2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  Command3D2->setObjectName(QStringLiteral("Command3D2"));
  LayOutRuleSetWindow(this, *Lists, Label1, Text1, Command3D1, Command3D2);

  connect(Text1, &QLineEdit::textChanged, this, &SaveRuleSetDialog::Text1_Change);
  connect(Lists, &RuleSetBrowser::FileClicked, this, &SaveRuleSetDialog::File1_Click);
  connect(Command3D1, &QPushButton::clicked, this, &SaveRuleSetDialog::Command3D1_Click);
  connect(Command3D2, &QPushButton::clicked, this, &QDialog::reject);

  Lists->SetDirectory(StartingRuleSetDirectory(state_.RuleSetDirectory));
  Text1->setFocus();
}

void SaveRuleSetDialog::Text1_Change() {
  Command3D1->setEnabled(RuleSetSaveTargetFor(Lists->Directory().toStdString(), Text1->text().toStdString()).has_value());
}

void SaveRuleSetDialog::File1_Click(const QString& name) {
  if (!name.isEmpty()) Text1->setText(name);
}

void SaveRuleSetDialog::Command3D1_Click() {
  const std::optional<RuleSetSaveTarget> target =
      RuleSetSaveTargetFor(Lists->Directory().toStdString(), Text1->text().toStdString());
  if (!target) return;
  const QString full_path = QString::fromStdString(target->full_path);
  Text1->setText(full_path);
  if (FileIsReadable(target->full_path) &&
      !AskOkCancel(this, QStringLiteral("ぴるく  - 設定保存確認 -"),
                   full_path + QStringLiteral("\nこのファイルはすでに存在します。\n\n上書きしますか?"),
                   QMessageBox::Warning)) {
    reject();
    return;
  }
  QtSettingsHost host(this);
  {
    WaitCursor hourglass;
    saved_ = SaveRuleSet(state_, *target, host);
  }
  accept();
}

bool SaveRuleSetFile(QWidget* parent, GameState& state) {
  SaveRuleSetDialog window(state, parent);
  window.exec();
  return window.Saved();
}

}  // namespace winpiruk

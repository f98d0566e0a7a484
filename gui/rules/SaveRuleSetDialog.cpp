#include "gui/rules/SaveRuleSetDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "config/RuleSets.h"
#include "config/SafeFile.h"
#include "gui/rules/RuleSetBrowser.h"
#include "gui/rules/WaitCursor.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"

namespace winpiruk {

SaveRuleSetDialog::SaveRuleSetDialog(GameState& state, QWidget* parent)
    : RuleSetDialog(state,
                    {"SaveRuleSetDialog", tr("ぴるく  - 設定の保存 -"), tr("ﾌｧｲﾙ名(*.prk) :"), true},
                    parent) {
  connect(nameBox, &QLineEdit::textChanged, this, &SaveRuleSetDialog::OnNameTyped);
  connect(browser_, &RuleSetBrowser::FileClicked, this, &SaveRuleSetDialog::OnFileChosen);
  // OK waits for the question in a run of the window's own.
  connect(okButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOk(); }); });
  ShowStartingFolder();
  nameBox->setFocus();
}

SaveRuleSetDialog::~SaveRuleSetDialog() { runs_.StopAll(); }

void SaveRuleSetDialog::OnNameTyped() {
  okButton->setEnabled(RuleSetSaveTargetFor(browser_->Directory().toStdString(), nameBox->text().toStdString()).has_value());
}

void SaveRuleSetDialog::OnFileChosen(const QString& name) {
  if (!name.isEmpty()) nameBox->setText(name);
}

void SaveRuleSetDialog::OnOk() {
  const std::optional<RuleSetSaveTarget> target =
      RuleSetSaveTargetFor(browser_->Directory().toStdString(), nameBox->text().toStdString());
  if (!target) return;
  const QString full_path = QString::fromStdString(target->full_path);
  nameBox->setText(full_path);
  if (FileIsReadable(target->full_path) &&
      !AskOkCancel(this, tr("ぴるく  - 設定保存確認 -"),
                   tr("%1\nこのファイルはすでに存在します。\n\n上書きしますか?").arg(full_path), QMessageBox::Warning)) {
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
  AwaitDialog(window);
  return window.Saved();
}

}  // namespace winpiruk

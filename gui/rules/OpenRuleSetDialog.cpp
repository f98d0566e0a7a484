#include "gui/rules/OpenRuleSetDialog.h"

#include <QLabel>
#include <QPushButton>

#include "config/RuleSets.h"
#include "gui/rules/RuleSetBrowser.h"
#include "gui/rules/WaitCursor.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"

namespace winpiruk {
OpenRuleSetDialog::OpenRuleSetDialog(GameState& state, std::function<void()> refresh_presentation, QWidget* parent)
    : RuleSetDialog(state, {"OpenRuleSetDialog", tr("ぴるく  - 設定ﾌｧｲﾙを開く -"), FileCaption(), false}, parent),
      refresh_presentation_(std::move(refresh_presentation)) {
  // The chosen name may be longer than the window is wide.
  nameLabel->setMinimumWidth(1);
  connect(browser_, &RuleSetBrowser::FileClicked, this, &OpenRuleSetDialog::OnFileChosen);
  // OK waits for a message in a run of the window's own.
  connect(browser_, &RuleSetBrowser::FileActivated, this, [this](const QString& name) {
    OnFileChosen(name);
    runs_.Start([this] { OnOk(); });
  });
  connect(okButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOk(); }); });
  ShowStartingFolder();
  browser_->FocusFileList();
}

OpenRuleSetDialog::~OpenRuleSetDialog() { runs_.StopAll(); }

QString OpenRuleSetDialog::FileCaption() { return tr("ﾌｧｲﾙ名 :"); }

void OpenRuleSetDialog::OnFileChosen(const QString& name) {
  nameLabel->setText(name.isEmpty() ? FileCaption() : FileCaption() + u' ' + name);
  okButton->setEnabled(!name.isEmpty());
}

void OpenRuleSetDialog::OnOk() {
  const QString name = browser_->SelectedFile();
  if (name.isEmpty() || loaded_) return;
  const std::string directory = browser_->Directory().toStdString();
  nameLabel->setText(FileCaption() + u' ' + name);

  QtSettingsHost host(this);
  RuleSetReadOutcome outcome;
  {
    WaitCursor hourglass;
    outcome = ReadRuleSet(state_, directory, name.toStdString(), host);
  }
  if (outcome != RuleSetReadOutcome::Loaded) {
    // The window stays open for another file; nothing has changed.
    const QString why = outcome == RuleSetReadOutcome::NotReadable
                            ? tr("このファイルを読み込めませんでした。")
                            : tr("このファイルには読み込めない値があります。");
    ShowMessage(this, windowTitle(),
                tr("%1\n\n%2\n設定は変更されていません。")
                    .arg(QString::fromStdString(JoinPath(directory, name.toStdString())), why),
                QMessageBox::Warning);
    return;
  }
  state_.RuleSetDirectory = directory;
  loaded_ = true;
  if (refresh_presentation_) refresh_presentation_();
  accept();
}

bool OpenRuleSetFile(QWidget* parent, GameState& state, std::function<void()> refresh_presentation) {
  OpenRuleSetDialog window(state, std::move(refresh_presentation), parent);
  AwaitDialog(window);
  return window.Loaded();
}

}  // namespace winpiruk

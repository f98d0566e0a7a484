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
namespace {

const QString kFileLabel = QStringLiteral("ﾌｧｲﾙ名 :");

}  // namespace

OpenRuleSetDialog::OpenRuleSetDialog(GameState& state, std::function<void()> refresh_presentation, QWidget* parent)
    : RuleSetDialog(state, {"OpenRuleSetDialog", QStringLiteral("ぴるく  - 設定ﾌｧｲﾙを開く -"), kFileLabel, false}, parent),
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

void OpenRuleSetDialog::OnFileChosen(const QString& name) {
  nameLabel->setText(name.isEmpty() ? kFileLabel : kFileLabel + u' ' + name);
  okButton->setEnabled(!name.isEmpty());
}

void OpenRuleSetDialog::OnOk() {
  const QString name = browser_->SelectedFile();
  if (name.isEmpty() || loaded_) return;
  const std::string directory = browser_->Directory().toStdString();
  nameLabel->setText(kFileLabel + u' ' + name);

  QtSettingsHost host(this);
  RuleSetReadOutcome outcome;
  {
    WaitCursor hourglass;
    outcome = ReadRuleSet(state_, directory, name.toStdString(), host);
  }
  if (outcome != RuleSetReadOutcome::Loaded) {
    // The window stays open for another file; nothing has changed.
    const QString why = outcome == RuleSetReadOutcome::NotReadable
                            ? QStringLiteral("このファイルを読み込めませんでした。")
                            : QStringLiteral("このファイルには読み込めない値があります。");
    ShowMessage(this, windowTitle(),
                QString::fromStdString(JoinPath(directory, name.toStdString())) + QStringLiteral("\n\n") + why +
                    QStringLiteral("\n設定は変更されていません。"),
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

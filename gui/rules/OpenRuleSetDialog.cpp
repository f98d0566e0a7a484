#include "gui/rules/OpenRuleSetDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

#include "config/RuleSets.h"
#include "gui/rules/RuleSetBrowser.h"
#include "gui/rules/RuleSetWindowLayout.h"
#include "gui/rules/WaitCursor.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"

namespace winpiruk {
namespace {

const QString kFileLabel = QStringLiteral("ﾌｧｲﾙ名 :");

}  // namespace

OpenRuleSetDialog::OpenRuleSetDialog(GameState& state, std::function<void()> refresh_presentation, QWidget* parent)
    : CentredDialog(parent), state_(state), refresh_presentation_(std::move(refresh_presentation)) {
  setObjectName(QStringLiteral("OpenRuleSetDialog"));
  setWindowTitle(QStringLiteral("ぴるく  - 設定ﾌｧｲﾙを開く -"));
  setModal(true);

  Lists = new RuleSetBrowser(this);
  Drive1 = Lists->Drive1;
  Dir1 = Lists->Dir1;
  File1 = Lists->File1;
  Label1 = new QLabel(kFileLabel, this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setMinimumWidth(1);
  Command3D1 = new QPushButton(QStringLiteral("OK"), this);
  Command3D1->setObjectName(QStringLiteral("Command3D1"));
  Command3D1->setDefault(true);
  // Loading nothing would still throw away the music list and the window
  // size, so OK waits for a file.
  Command3D1->setEnabled(false);
  Command3D2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  Command3D2->setObjectName(QStringLiteral("Command3D2"));
  LayOutRuleSetWindow(this, *Lists, Label1, nullptr, Command3D1, Command3D2);

  connect(Lists, &RuleSetBrowser::FileClicked, this, &OpenRuleSetDialog::File1_Click);
  connect(Lists, &RuleSetBrowser::FileActivated, this, [this](const QString& name) {
    File1_Click(name);
    Command3D1_Click();
  });
  connect(Command3D1, &QPushButton::clicked, this, &OpenRuleSetDialog::Command3D1_Click);
  connect(Command3D2, &QPushButton::clicked, this, &QDialog::reject);

  Lists->SetDirectory(StartingRuleSetDirectory(state_.RuleSetDirectory));
  File1->setFocus();
}

void OpenRuleSetDialog::File1_Click(const QString& name) {
  Label1->setText(name.isEmpty() ? kFileLabel : kFileLabel + u' ' + name);
  Command3D1->setEnabled(!name.isEmpty());
}

void OpenRuleSetDialog::Command3D1_Click() {
  const QString name = Lists->SelectedFile();
  if (name.isEmpty() || loaded_) return;
  const std::string directory = Lists->Directory().toStdString();
  Label1->setText(kFileLabel + u' ' + name);

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
  window.exec();
  return window.Loaded();
}

}  // namespace winpiruk

#include "gui/rules/RuleSetDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "gui/common/SpokenNames.h"
#include "gui/rules/RuleSetBrowser.h"

namespace winpiruk {

QString StartingRuleSetDirectory(const std::string& last_opened) {
  const QString last = QString::fromStdString(last_opened);
  const QFileInfo info(last);
  if (!last.isEmpty() && info.isDir() && info.isReadable()) return info.absoluteFilePath();
  return QDir::homePath();
}

RuleSetDialog::RuleSetDialog(GameState& state, const Look& look, QWidget* parent)
    : CentredDialog(parent), state_(state) {
  setObjectName(QString::fromLatin1(look.object_name));
  setWindowTitle(look.title);
  setModal(true);

  browser_ = new RuleSetBrowser(this);
  nameLabel = new QLabel(look.name_caption, this);
  nameLabel->setObjectName(QStringLiteral("nameLabel"));
  if (look.with_name_box) {
    nameBox = new QLineEdit(this);
    nameBox->setObjectName(QStringLiteral("nameBox"));
    nameLabel->setBuddy(nameBox);
  }
  okButton = new QPushButton(tr("OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setDefault(true);
  okButton->setEnabled(false);
  cancelButton = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));
  LayOut();
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void RuleSetDialog::ShowStartingFolder() { browser_->SetDirectory(StartingRuleSetDirectory(state_.RuleSetDirectory)); }

void RuleSetDialog::LayOut() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(14, 12, 14, 12);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(6);

  grid->addWidget(nameLabel, 0, 0);
  if (nameBox != nullptr) grid->addWidget(nameBox, 1, 0);
  browser_->LayOut(*grid, nameBox != nullptr ? 2 : 1);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(6);
  for (QPushButton* button : {okButton, cancelButton}) {
    button->setMinimumWidth(96);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  grid->addLayout(buttons, 0, 2, 5, 1);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);

  std::vector<QWidget*> reading;
  if (nameBox != nullptr) reading.push_back(nameBox);
  for (QWidget* list : browser_->ReadingOrder()) reading.push_back(list);
  reading.push_back(okButton);
  reading.push_back(cancelButton);
  TabInOrder(reading);
}

}  // namespace winpiruk

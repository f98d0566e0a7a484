// The arrangement of the rule settings window: three columns of frames with
// the buttons at the right, the expander's frames below and the two status
// panels at the bottom.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/common/SpokenNames.h"
#include "gui/rules/RuleWindowControls.h"

namespace winpiruk {
namespace {

// A number box beside its scroll bar.
QHBoxLayout* NumberRow(const RuleNumberControl& number) {
  auto* row = new QHBoxLayout;
  row->setSpacing(1);
  row->addWidget(number.text);
  row->addWidget(number.bar);
  row->addStretch(1);
  return row;
}

QGridLayout* AddFrame(QWidget& window, QGroupBox*& target, const char* name, const QString& caption) {
  target = new QGroupBox(caption, &window);
  target->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(target);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(6);
  grid->setColumnStretch(1, 1);
  return grid;
}

void LayOutPrinciples(QWidget& window, RuleWindowControls& c) {
  QGridLayout* grid =
      AddFrame(window, c.principlesFrame, "principlesFrame", QCoreApplication::translate("RulesDialog", "ルール原則"));
  grid->addWidget(c.skipCardLabel, 0, 0);
  grid->addWidget(c.skipCardList, 0, 1);
  grid->addWidget(c.drawCardLabel, 1, 0);
  grid->addWidget(c.drawCardList, 1, 1);
  grid->addWidget(c.drawCountLabel, 2, 0);
  grid->addLayout(NumberRow(c.drawCount), 2, 1);
  grid->addWidget(c.reverseCardLabel, 3, 0);
  grid->addWidget(c.reverseCardList, 3, 1);
  grid->addWidget(c.throwMoreCardLabel, 4, 0);
  grid->addWidget(c.throwMoreCardList, 4, 1);
  grid->addWidget(c.discardDutyCheck, 5, 1);
  grid->addWidget(c.handCountLabel, 6, 0);
  grid->addLayout(NumberRow(c.handCount), 6, 1);
  grid->addWidget(c.finishLabel, 7, 0);
  grid->addWidget(c.finishList, 7, 1);
  grid->setRowStretch(8, 1);
}

void LayOutSupplements(QWidget& window, RuleWindowControls& c) {
  QGridLayout* grid =
      AddFrame(window, c.supplementsFrame, "supplementsFrame", QCoreApplication::translate("RulesDialog", "ルール補足"));
  grid->addWidget(c.yakitoriLabel, 0, 0);
  grid->addWidget(c.yakitoriList, 0, 1);
  int row = 1;
  for (QCheckBox* box : {c.pirukGaeshiCheck, c.closingBonusCheck, c.extraNumberCheck, c.manyCardBonusCheck,
                         c.aceAsElevenCheck}) {
    grid->addWidget(box, row++, 0, 1, 2);
  }
  grid->setRowStretch(row, 1);
}

void LayOutEnvironment(QWidget& window, RuleWindowControls& c) {
  QGridLayout* grid =
      AddFrame(window, c.environmentFrame, "environmentFrame", QCoreApplication::translate("RulesDialog", "ゲーム環境"));
  grid->addWidget(c.speedLabel, 0, 0);
  grid->addWidget(c.speedList, 0, 1);
  grid->addWidget(c.timeLimitLabel, 1, 0);
  grid->addWidget(c.timeLimitList, 1, 1);
  grid->addWidget(c.cardOpenCheck, 2, 0, 1, 2);
  grid->addWidget(c.soundCheck, 3, 0, 1, 2);
}

void LayOutDetection(QWidget& window, RuleWindowControls& c) {
  QGridLayout* grid =
      AddFrame(window, c.detectionFrame, "detectionFrame", QCoreApplication::translate("RulesDialog", "ぴるく自動判定"));
  auto* options = new QHBoxLayout;
  options->setSpacing(16);
  options->addWidget(c.detectOnOption);
  options->addWidget(c.detectOffOption);
  options->addStretch(1);
  grid->addLayout(options, 0, 0, 1, 2);
  grid->addWidget(c.confirmCheck, 1, 0, 1, 2);
  grid->addWidget(c.graceTimeLabel, 2, 0);
  grid->addLayout(NumberRow(c.graceTime), 2, 1);
  // The unit under the box: the column is too narrow to hold it beside.
  grid->addWidget(c.graceTimeUnit, 3, 1);
  grid->setRowStretch(4, 1);
}

void LayOutSystem(QWidget& window, RuleWindowControls& c) {
  QGridLayout* system =
      AddFrame(window, c.systemFrame, "systemFrame", QCoreApplication::translate("RulesDialog", "システム"));
  system->addWidget(c.otherTasksCheck, 0, 0);
  system->setRowStretch(1, 1);

  QGridLayout* position =
      AddFrame(window, c.cardPositionFrame, "cardPositionFrame", QCoreApplication::translate("RulesDialog", "カード位置微調整"));
  position->addWidget(c.horizontalLabel, 0, 0);
  position->addLayout(NumberRow(c.horizontal), 0, 1);
  position->addItem(new QSpacerItem(24, 1, QSizePolicy::Fixed, QSizePolicy::Minimum), 0, 2);
  position->addWidget(c.verticalLabel, 0, 3);
  position->addLayout(NumberRow(c.vertical), 0, 4);
  position->setColumnStretch(1, 0);
  position->setColumnStretch(5, 1);
  position->setRowStretch(1, 1);
}

QVBoxLayout* ButtonColumn(const RuleWindowControls& c) {
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(6);
  buttons->addWidget(c.okButton);
  buttons->addWidget(c.cancelButton);
  buttons->addSpacing(14);
  buttons->addWidget(c.initialStateButton);
  buttons->addWidget(c.openButton);
  buttons->addWidget(c.saveButton);
  buttons->addWidget(c.analyseButton);
  buttons->addStretch(1);
  buttons->addWidget(c.helpButton);
  buttons->addWidget(c.moreButton);
  return buttons;
}

QLayout* LayOutUpperPart(const RuleWindowControls& c) {
  auto* middle = new QVBoxLayout;
  middle->setSpacing(8);
  middle->addWidget(c.supplementsFrame);
  middle->addWidget(c.environmentFrame);

  auto* right = new QVBoxLayout;
  right->setSpacing(8);
  right->addWidget(c.detectionFrame);
  right->addStretch(1);
  right->addLayout(ButtonColumn(c));

  auto* upper = new QHBoxLayout;
  upper->setSpacing(10);
  upper->addWidget(c.principlesFrame);
  upper->addLayout(middle);
  upper->addLayout(right);
  return upper;
}

QWidget* LowerPart(QWidget& window, const RuleWindowControls& c) {
  auto* part = new QWidget(&window);
  part->setObjectName(QStringLiteral("lowerPart"));
  auto* lower = new QHBoxLayout(part);
  lower->setContentsMargins(0, 0, 0, 0);
  lower->setSpacing(10);
  lower->addWidget(c.systemFrame);
  lower->addWidget(c.cardPositionFrame, 1);
  return part;
}

}  // namespace

QLayout* LayOutRuleWindow(QWidget& window, RuleWindowControls& c) {
  LayOutPrinciples(window, c);
  LayOutSupplements(window, c);
  LayOutEnvironment(window, c);
  LayOutDetection(window, c);
  LayOutSystem(window, c);
  QLayout* upper = LayOutUpperPart(c);
  c.lowerPart = LowerPart(window, c);

  auto* panels = new QHBoxLayout;
  panels->setSpacing(4);
  panels->addWidget(c.tableSizePanel, 1);
  panels->addWidget(c.ruleSetPanel, 1);

  auto* whole = new QVBoxLayout(&window);
  whole->setContentsMargins(12, 10, 12, 8);
  whole->setSpacing(8);
  whole->addLayout(upper);
  whole->addWidget(c.separatorLine);
  whole->addWidget(c.lowerPart);
  whole->addLayout(panels);

  // Tab reads the frames column by column, as the eye does, the buttons after
  // the frame above them and the expander's frames last.
  TabInOrder({c.skipCardList, c.drawCardList, c.drawCount.text, c.reverseCardList, c.throwMoreCardList,
              c.discardDutyCheck, c.handCount.text, c.finishList, c.yakitoriList, c.pirukGaeshiCheck,
              c.closingBonusCheck, c.extraNumberCheck, c.manyCardBonusCheck, c.aceAsElevenCheck, c.speedList,
              c.timeLimitList, c.cardOpenCheck, c.soundCheck, c.detectOnOption, c.detectOffOption, c.confirmCheck,
              c.graceTime.text, c.okButton, c.cancelButton, c.initialStateButton, c.openButton, c.saveButton,
              c.analyseButton, c.helpButton, c.moreButton, c.otherTasksCheck, c.horizontal.text, c.vertical.text});
  return whole;
}

}  // namespace winpiruk

#pragma once
// The controls of the rule settings window, made and arranged apart from
// what the window does with them. Each control's object name is its member
// name here, so that a test finds it.
#include <array>
#include <cstdint>

#include "config/RuleSettings.h"
#include "state/Settings.h"

class QCheckBox;
class QString;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace winpiruk {

// A number box with the scroll bar beside it and the field they edit.
struct RuleNumberControl {
  const NumberBox* box = nullptr;
  QLineEdit* text = nullptr;
  QScrollBar* bar = nullptr;
};

// A check box and the flag it stands for.
struct RuleCheckControl {
  QCheckBox* box = nullptr;
  int16_t Settings::*field = nullptr;
};

struct RuleWindowControls {
  // ルール原則
  QLabel* skipCardLabel = nullptr;
  QComboBox* skipCardList = nullptr;
  QLabel* drawCardLabel = nullptr;
  QComboBox* drawCardList = nullptr;
  QLabel* drawCountLabel = nullptr;
  RuleNumberControl drawCount;  // drawCountBox, drawCountBar
  QLabel* reverseCardLabel = nullptr;
  QComboBox* reverseCardList = nullptr;
  QLabel* throwMoreCardLabel = nullptr;
  QComboBox* throwMoreCardList = nullptr;
  QCheckBox* discardDutyCheck = nullptr;
  QLabel* handCountLabel = nullptr;
  RuleNumberControl handCount;  // handCountBox, handCountBar
  QLabel* finishLabel = nullptr;
  QComboBox* finishList = nullptr;

  // ルール補足
  QLabel* yakitoriLabel = nullptr;
  QComboBox* yakitoriList = nullptr;
  QCheckBox* pirukGaeshiCheck = nullptr;
  QCheckBox* closingBonusCheck = nullptr;
  QCheckBox* extraNumberCheck = nullptr;
  QCheckBox* manyCardBonusCheck = nullptr;
  QCheckBox* aceAsElevenCheck = nullptr;

  // ゲーム環境
  QLabel* speedLabel = nullptr;
  QComboBox* speedList = nullptr;
  QLabel* timeLimitLabel = nullptr;
  QComboBox* timeLimitList = nullptr;
  QCheckBox* cardOpenCheck = nullptr;
  QCheckBox* soundCheck = nullptr;

  // ぴるく自動判定
  QRadioButton* detectOnOption = nullptr;
  QRadioButton* detectOffOption = nullptr;
  QCheckBox* confirmCheck = nullptr;
  QLabel* graceTimeLabel = nullptr;
  RuleNumberControl graceTime;  // graceTimeBox, graceTimeBar
  QLabel* graceTimeUnit = nullptr;  // the box's unit and the seconds it makes

  // システム, カード位置微調整
  QCheckBox* otherTasksCheck = nullptr;
  QLabel* horizontalLabel = nullptr;
  RuleNumberControl horizontal;  // horizontalBox, horizontalBar
  QLabel* verticalLabel = nullptr;
  RuleNumberControl vertical;  // verticalBox, verticalBar

  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;
  QPushButton* initialStateButton = nullptr;
  QPushButton* openButton = nullptr;
  QPushButton* saveButton = nullptr;
  QPushButton* analyseButton = nullptr;
  QPushButton* moreButton = nullptr;  // uncovers the lower frames
  QPushButton* helpButton = nullptr;

  QFrame* separatorLine = nullptr;
  QLabel* tableSizePanel = nullptr;
  QLabel* ruleSetPanel = nullptr;

  // Made by the layout.
  QGroupBox* principlesFrame = nullptr;
  QGroupBox* supplementsFrame = nullptr;
  QGroupBox* environmentFrame = nullptr;
  QGroupBox* detectionFrame = nullptr;
  QGroupBox* systemFrame = nullptr;
  QGroupBox* cardPositionFrame = nullptr;
  QWidget* lowerPart = nullptr;  // the frames the expander uncovers

  std::array<RuleNumberControl, 5> Numbers() const { return {drawCount, handCount, graceTime, horizontal, vertical}; }
  std::array<RuleCheckControl, 10> Checks() const;
  // The lists and the fields they show; the speed list is apart, as only
  // opening the window shows the stored speed in it.
  std::array<std::pair<QComboBox*, int16_t Settings::*>, 7> RuleLists() const;
};

// The expander's caption while the lower frames are hidden, and while shown.
QString ExpandCaption();
QString CollapseCaption();

// The controls in the order the focus goes through them, with their
// captions, tips and choices; the frames come from LayOutRuleWindow.
RuleWindowControls BuildRuleWindowControls(QWidget& window);

// Puts the controls into their frames and the frames into the window; the
// returned layout is the window's.
QLayout* LayOutRuleWindow(QWidget& window, RuleWindowControls& controls);

}  // namespace winpiruk

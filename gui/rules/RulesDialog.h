#pragma once
// The rule settings window: the rules and the game environment, with the
// rule-set files and an expander for the system and card position settings.
// It works on a copy of the shared state and hands the rules back on OK, so
// Cancel has nothing to undo.
#include <QSize>
#include <functional>

#include "config/ProgramPaths.h"
#include "config/RuleSettings.h"
#include "state/GameState.h"
#include "gui/common/CentredDialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace winpiruk {

// What the main window lends the rule settings window.
struct RuleWindowHooks {
  // The table's client size in pixels for the status panel; the parent's
  // size when not given.
  std::function<QSize()> table_size;
  // Runs after a rule set has been loaded from the window: text colours,
  // music and the table picture follow the new settings.
  std::function<void()> rule_set_loaded;
};

// What changed by the time the window closed.
struct RuleWindowResult {
  bool accepted = false;           // OK: the settings file has been written
  bool card_kind_changed = false;  // CardKind differs from the back the table shows
  bool restrict_time_set = false;  // RestrictTime is not 0: Timer1 runs again
  bool rule_set_loaded = false;    // a rule-set file was opened from the window
};

class RulesDialog : public CentredDialog {
  Q_OBJECT

 public:
  RulesDialog(GameState& state, const ProgramPaths& paths, RuleWindowHooks hooks = {}, QWidget* parent = nullptr);

  RuleWindowResult Result() const;
  // The rules as OK would store them from the controls now, without storing.
  Settings RulesOnScreen() const;

  int RuleWindowHeight = 0;
  int RuleWindowExpanded = 0;

  QGroupBox* Frame3D5 = nullptr;  // ルール原則
  QGroupBox* Frame3D7 = nullptr;  // ルール補足
  QGroupBox* Frame3D1 = nullptr;  // ゲーム環境
  QGroupBox* Frame3D3 = nullptr;  // ぴるく自動判定
  QGroupBox* Frame3D4 = nullptr;  // システム
  QGroupBox* Frame3D2 = nullptr;  // カード位置微調整

  QComboBox* Combo1 = nullptr;  // skip card
  QComboBox* Combo2 = nullptr;  // draw card
  QComboBox* Combo3 = nullptr;  // reverse card
  QComboBox* Combo4 = nullptr;  // throw-more card
  QComboBox* Combo5 = nullptr;  // time limit
  QComboBox* Combo6 = nullptr;  // way of going out
  QComboBox* Combo7 = nullptr;  // yakitori
  QComboBox* Combo8 = nullptr;  // speed

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label16 = nullptr;
  QLabel* Label17 = nullptr;
  QLabel* Label18 = nullptr;
  QLabel* Label19 = nullptr;

  QLineEdit* Text5 = nullptr;  // PenaltyLeaves
  QLineEdit* Text6 = nullptr;  // NumberOfGames
  QLineEdit* Text7 = nullptr;  // VerticalCardPos
  QLineEdit* Text8 = nullptr;  // HorizonCardPos
  QLineEdit* Text9 = nullptr;  // JudgmentWaitTime
  QScrollBar* VScroll1 = nullptr;
  QScrollBar* VScroll2 = nullptr;
  QScrollBar* VScroll3 = nullptr;
  QScrollBar* VScroll6 = nullptr;
  QScrollBar* VScroll9 = nullptr;

  QCheckBox* Check3D1 = nullptr;  // タスク譲渡
  QCheckBox* Check3D2 = nullptr;  // カードオープン
  QCheckBox* Check3D3 = nullptr;  // 捨てる義務
  QCheckBox* Check3D4 = nullptr;  // サウンド
  QCheckBox* Check3D5 = nullptr;  // 終了時ウマ
  QCheckBox* Check3D6 = nullptr;  // エクストラナンバー
  QCheckBox* Check3D7 = nullptr;  // 確認
  QCheckBox* Check3D8 = nullptr;  // ぴるくがえし
  QCheckBox* Check1 = nullptr;    // 多数上がりﾎﾞｰﾅｽ
  QCheckBox* Check2 = nullptr;    // 'A'を11としても扱う
  QRadioButton* Option3 = nullptr;
  QRadioButton* Option4 = nullptr;

  QPushButton* Command1 = nullptr;     // OK
  QPushButton* Command2 = nullptr;     // ｷｬﾝｾﾙ
  QPushButton* Command3 = nullptr;     // the expander
  QPushButton* Command4 = nullptr;     // 初期状態に戻す
  QPushButton* Command3D2 = nullptr;   // 開く
  QPushButton* Command3D3 = nullptr;   // 保存
  QPushButton* Command5 = nullptr;     // ﾙｰﾙ分析
  QPushButton* HelpButton = nullptr;
  QFrame* Line1 = nullptr;
  QWidget* LowerPart = nullptr;  // the frames the expander uncovers
  QLabel* Panel3D1 = nullptr;
  QLabel* Panel3D2 = nullptr;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Enter in a field moves on to OK; Escape cancels.
  void WatchKeys(QWidget& field);

 private:
  void BuildControls();
  void BuildPrincipleControls();
  void BuildSupplementControls();
  void BuildEnvironmentControls();
  void BuildDetectionControls();
  void BuildSystemControls();
  void BuildButtons();
  void BuildPanels();
  void AddLabel(QLabel*& target, const char* name, const QString& caption);
  void AddCombo(QComboBox*& target, const char* name, QLabel* buddy, const QString& tip);
  void AddCheck(QCheckBox*& target, const char* name, const QString& caption, int16_t Settings::*field,
                const QString& tip);
  void AddNumber(QLineEdit*& text, const char* text_name, QScrollBar*& scroll, const char* scroll_name,
                 QLabel* buddy, const NumberBox& box, const QString& tip);
  void AddButton(QPushButton*& target, const char* name, const QString& caption, const QString& tip);
  QGridLayout* AddFrame(QGroupBox*& target, const char* name, const QString& caption);
  QLayout* BuildLayout();
  void LayOutRuleFrames();
  void LayOutOtherFrames();
  QLayout* LayOutUpperPart();
  void ShowRules(bool with_speed);
  void ApplyEnablingRules();
  void RefreshPanels();
  ListChoices ListsShown() const;

  void Command1_Click();
  void Command3_Click();
  void Command4_Click();
  void Command3D2_Click();
  void Command3D3_Click();
  void Command5_Click();
  void NumberBox_Change(const NumberBox& box, QLineEdit* text, QScrollBar* scroll);
  void Text_Change(const NumberBox& box, QLineEdit* text);

  // The rules of the copy into the live state, as they stand.
  void HandBackRules();
  void HandBackLoadedRuleSet();

  GameState& state_;
  GameState draft_;  // what the window shows and edits
  ProgramPaths paths_;
  RuleWindowHooks hooks_;
  bool showing_ = false;  // controls are being set from the copy
  bool accepted_ = false;
  bool rule_set_loaded_ = false;
};

// "ﾙｰﾙ設定(&R&ﾙ)...": opens the rule settings window modally and tells the
// main window what it has to follow up.
RuleWindowResult OpenRuleSettings(QWidget* parent, GameState& state, const ProgramPaths& paths,
                                  RuleWindowHooks hooks = {});

}  // namespace winpiruk

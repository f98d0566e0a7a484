#pragma once
// The rule settings window: the rules and the game environment, with the
// rule-set files and an expander for the system and card position settings.
// It works on a copy of the shared state and hands the rules back on OK, so
// Cancel has nothing to undo.
#include <QSize>
#include <functional>

#include "config/ProgramPaths.h"
#include "config/RuleSettings.h"
#include "gui/common/CentredDialog.h"
#include "gui/common/WindowRuns.h"
#include "gui/rules/RuleWindowControls.h"
#include "state/GameState.h"

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
  bool restrict_time_set = false;  // RestrictTime is not 0: the time limit runs again
  bool rule_set_loaded = false;    // a rule-set file was opened from the window
};

// "×0.1秒" and the seconds `tenths` make: the grace time box's unit.
QString GraceTimeUnitText(int tenths);

class RulesDialog : public CentredDialog {
  Q_OBJECT

 public:
  RulesDialog(GameState& state, const ProgramPaths& paths, RuleWindowHooks hooks = {}, QWidget* parent = nullptr);
  ~RulesDialog() override;

  RuleWindowResult Result() const;
  // The rules as OK would store them from the controls now, without storing.
  Settings RulesOnScreen() const;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectControls();
  void ConnectButtons();
  // Enter in a field moves on to OK; Escape cancels.
  void WatchKeys(QWidget& field);
  void ShowRules(bool with_speed);
  void ApplyEnablingRules();
  void ShowGraceSeconds();
  void RefreshPanels();
  ListChoices ListsShown() const;
  // The lists' choices into the copy; a value out of range keeps the live one.
  void ConfirmShownRules(bool with_speed);
  // The rules of the copy into the live state, as they stand.
  void HandBackRules();
  void HandBackLoadedRuleSet();

  void OnOk();
  void OnMore();
  void OnInitialState();
  void OnOpenRuleSet();
  void OnSaveRuleSet();
  void OnAnalyse();
  void OnDetectionChosen(int16_t automatic);
  void OnScrolled(const RuleNumberControl& number);
  void OnNumberTyped(const RuleNumberControl& number);

  GameState& state_;
  GameState draft_;  // what the window shows and edits
  ProgramPaths paths_;
  RuleWindowHooks hooks_;
  RuleWindowControls controls_;
  int RuleWindowExpanded = 0;
  bool showing_ = false;  // controls are being set from the copy
  bool accepted_ = false;
  bool rule_set_loaded_ = false;
  WindowRuns runs_;  // the buttons' waits for the windows they open and for messages
};

// "ﾙｰﾙ設定(&R&ﾙ)...": opens the rule settings window, window-modal over
// `parent`, waits for it inside a run (see Awaiting.h) and tells the main
// window what it has to follow up.
RuleWindowResult OpenRuleSettings(QWidget* parent, GameState& state, const ProgramPaths& paths,
                                  RuleWindowHooks hooks = {});

}  // namespace winpiruk

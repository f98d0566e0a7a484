#pragma once
// The open window: a rule-set file loaded over the current settings.
#include <functional>

#include "gui/rules/RuleSetDialog.h"

namespace winpiruk {

class OpenRuleSetDialog : public RuleSetDialog {
  Q_OBJECT

 public:
  // `refresh_presentation` runs once a file has been loaded: the main window
  // applies the text colours and the music and redraws the table.
  OpenRuleSetDialog(GameState& state, std::function<void()> refresh_presentation, QWidget* parent = nullptr);
  ~OpenRuleSetDialog() override;

  // True once a file has been loaded.
  bool Loaded() const { return loaded_; }

 private:
  // "ﾌｧｲﾙ名 :", which the chosen file's name follows.
  static QString FileCaption();
  void OnFileChosen(const QString& name);
  void OnOk();

  std::function<void()> refresh_presentation_;
  bool loaded_ = false;
};

// "設定ﾌｧｲﾙを開く(&L)...": opens the open window; true when a rule set was
// loaded (the settings file is then still to be written by the caller).
bool OpenRuleSetFile(QWidget* parent, GameState& state, std::function<void()> refresh_presentation = {});

}  // namespace winpiruk

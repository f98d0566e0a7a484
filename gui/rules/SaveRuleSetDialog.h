#pragma once
// The save window: the current rules written to a rule-set file the user
// names.
#include "gui/rules/RuleSetDialog.h"

namespace winpiruk {

class SaveRuleSetDialog : public RuleSetDialog {
  Q_OBJECT

 public:
  explicit SaveRuleSetDialog(GameState& state, QWidget* parent = nullptr);
  ~SaveRuleSetDialog() override;

  // True once the file has been written.
  bool Saved() const { return saved_; }

 private:
  void OnNameTyped();
  void OnFileChosen(const QString& name);
  void OnOk();

  bool saved_ = false;
};

// "設定の保存(&S)...": opens the save window; true when a file was written.
bool SaveRuleSetFile(QWidget* parent, GameState& state);

}  // namespace winpiruk

#pragma once
// The open window: a rule-set file loaded over the current settings.
#include <functional>

#include "state/GameState.h"
#include "gui/common/CentredDialog.h"

class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QTreeView;

namespace winpiruk {

class RuleSetBrowser;

class OpenRuleSetDialog : public CentredDialog {
  Q_OBJECT

 public:
  // `refresh_presentation` runs once a file has been loaded: the main window
  // applies the text colours and the music and redraws the table.
  OpenRuleSetDialog(GameState& state, std::function<void()> refresh_presentation, QWidget* parent = nullptr);

  // True once a file has been loaded.
  bool Loaded() const { return loaded_; }

  RuleSetBrowser* Lists = nullptr;
  QComboBox* Drive1 = nullptr;
  QTreeView* Dir1 = nullptr;
  QListView* File1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Command3D1 = nullptr;  // OK
  QPushButton* Command3D2 = nullptr;  // ｷｬﾝｾﾙ

 private:
  void File1_Click(const QString& name);
  void Command3D1_Click();

  GameState& state_;
  std::function<void()> refresh_presentation_;
  bool loaded_ = false;
};

// "設定ﾌｧｲﾙを開く(&L)...": opens the open window; true when a rule set was
// loaded (the settings file is then still to be written by the caller).
bool OpenRuleSetFile(QWidget* parent, GameState& state, std::function<void()> refresh_presentation = {});

}  // namespace winpiruk

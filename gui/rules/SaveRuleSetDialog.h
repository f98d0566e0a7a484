#pragma once
// The save window: the current rules written to a rule-set file the user
// names.

#include "state/GameState.h"
#include "gui/common/CentredDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTreeView;

namespace winpiruk {

class RuleSetBrowser;

class SaveRuleSetDialog : public CentredDialog {
  Q_OBJECT

 public:
  explicit SaveRuleSetDialog(GameState& state, QWidget* parent = nullptr);

  // True once the file has been written.
  bool Saved() const { return saved_; }

  RuleSetBrowser* Lists = nullptr;
  QComboBox* Drive1 = nullptr;
  QTreeView* Dir1 = nullptr;
  QListView* File1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command3D1 = nullptr;  // OK
  QPushButton* Command3D2 = nullptr;  // ｷｬﾝｾﾙ

 private:
  void Text1_Change();
  void File1_Click(const QString& name);
  void Command3D1_Click();

  GameState& state_;
  bool saved_ = false;
};

// "設定の保存(&S)...": opens the save window; true when a file was written.
bool SaveRuleSetFile(QWidget* parent, GameState& state);

}  // namespace winpiruk

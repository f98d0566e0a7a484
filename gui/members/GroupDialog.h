#pragma once
// The group window "ぴるく  －ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更－": chooses the group
// that plays and renames its members. OK stores the member files and the
// settings; closing by the frame writes nothing, and the changes hold for
// the rest of the run (GameState::KeptGroup).
#include <QDialog>
#include <array>
#include <string>

#include "config/ProgramPaths.h"
#include "state/GameState.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace winpiruk {

class GroupDialog : public QDialog {
  Q_OBJECT

 public:
  GroupDialog(GameState& state, const ProgramPaths& paths, QWidget* parent = nullptr);

  // Controls, named as the window's design names them. Label and Option are
  // indexed 1..10 and 1..5.
  QGroupBox* Frame3D1 = nullptr;  // "グループ"
  std::array<QRadioButton*, kGroups + 1> Option{};
  std::array<QLabel*, kMembersPerGroup + 1> Label{};
  QLabel* Label11 = nullptr;  // the hint
  QLineEdit* Text1 = nullptr;
  QFrame* Line1 = nullptr;
  QFrame* Line2 = nullptr;
  QPushButton* Command1 = nullptr;  // "OK"
  QPushButton* Command2 = nullptr;  // "ｷｬﾝｾﾙ" of the edit
  QPushButton* Command3 = nullptr;  // "更新(&A)"
  QLabel* EditCaption = nullptr;    // which member is being renamed
  QLabel* Notice = nullptr;         // what storing did (or will do) to a name

  // The member whose name is being edited, 0 when none.
  int EditedMember() const { return edited_member_; }
  bool Editing() const { return editing_; }

  // A click on member label k, 1..10.
  void Label_Click(int member);
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildNamePlates();
  QWidget* BuildEditor();
  QWidget* BuildEditorRow();
  void ShowGroup();
  void ShowEditor(bool shown);
  void ShowNotice(const std::string& text);
  void StoreEdit();
  void Option_Click(int group);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Text1_Change(const QString& text);

  GameState& state_;
  ProgramPaths paths_;
  PerMember<std::string> names_at_open_;
  QStackedWidget* editor_place_ = nullptr;
  QWidget* editor_row_ = nullptr;
  int edited_member_ = 0;
  bool editing_ = false;
};

// The main window's "ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M&ｸ)..." and the member
// decision window's "ｸﾞﾙｰﾌﾟ変更(&G)...": the window, modal. True when it
// was confirmed with OK (the files have then been written).
bool OpenGroupWindow(QWidget* parent, GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk

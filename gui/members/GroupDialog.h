#pragma once
// The group window "ぴるく  －ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更－": chooses the group
// that plays and renames its members. OK stores the member files and the
// settings; closing by the frame writes nothing, and the changes hold for
// the rest of the run (GameState::KeptGroup).
#include <QDialog>
#include <array>
#include <string>

#include "config/ProgramPaths.h"
#include "gui/common/WindowRuns.h"
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
  ~GroupDialog() override;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildGroupButtons();
  QWidget* BuildNamePlates();
  QWidget* BuildEditor();
  QWidget* BuildEditorRow();
  QWidget* BuildButtonBox();
  void ShowGroup();
  void ShowEditor(bool shown);
  void ShowNotice(const std::string& text);
  void EditMember(int member);
  void StoreEdit();
  void OnGroupChosen(int group);
  void OnOk();
  void OnCancelEdit();
  void OnStore();
  void OnNameEdited(const QString& text);

  GameState& state_;
  ProgramPaths paths_;
  PerMember<std::string> names_at_open_;
  QStackedWidget* editor_place_ = nullptr;
  QWidget* editor_row_ = nullptr;
  int edited_member_ = 0;  // the member whose name is being edited, 0 when none
  bool editing_ = false;

  QGroupBox* groupBox = nullptr;  // "グループ"
  // Indexed 1..5 and 1..10 as the groups and members are numbered; the
  // objectNames carry the number ("groupButton3", "namePlate10").
  std::array<QRadioButton*, kGroups + 1> groupButtons{};
  std::array<QLabel*, kMembersPerGroup + 1> namePlates{};
  QLabel* hintLabel = nullptr;  // in the editor's place while no name is edited
  QFrame* editorTopLine = nullptr;
  QFrame* editorBottomLine = nullptr;
  QLabel* editCaption = nullptr;  // which member is being renamed
  QLineEdit* nameEdit = nullptr;
  QPushButton* storeButton = nullptr;       // "更新(&A)"
  QPushButton* cancelEditButton = nullptr;  // "ｷｬﾝｾﾙ" of the edit
  QLabel* noticeLabel = nullptr;            // what storing did (or will do) to a name
  QPushButton* okButton = nullptr;
  WindowRuns runs_;  // OK's wait for a message
};

// The main window's "ｸﾞﾙｰﾌﾟ選択/ﾒﾝﾊﾞｰ名変更(&M&ｸ)..." and the member
// decision window's "ｸﾞﾙｰﾌﾟ変更(&G)...": the window, window-modal over
// `parent` and waited for inside a run (see Awaiting.h). True when it was
// confirmed with OK (the files have then been written).
bool OpenGroupWindow(QWidget* parent, GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk

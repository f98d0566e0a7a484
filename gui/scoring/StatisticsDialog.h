#pragma once
// The statistics window "ぴるく  －対戦成績－": one member's record at a
// time, chosen by group and from the group's list of names.
#include <QDialog>
#include <array>

#include "config/ProgramPaths.h"
#include "gui/common/WindowRuns.h"
#include "state/GameState.h"

class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace winpiruk {

class StatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  StatisticsDialog(GameState& state, const ProgramPaths& paths, QWidget* parent = nullptr);
  ~StatisticsDialog() override;

  int StatsGroup() const { return stats_group_; }
  // The member whose record is shown, 0 when none.
  int StatsMember() const { return stats_member_; }
  // Once the window is on show, the parameter window of the member chosen
  // in the list opens over it (the group's first when none is chosen).
  void OpenParametersOnceShown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QGroupBox* BuildGroups();
  QFrame* BuildRecord();
  QGridLayout* BuildFigures(QWidget* record);
  QWidget* BuildButtonBox();
  void OnGroupChosen(int group);
  void OnMemberChosen();
  void ShowGroup();
  void ShowMember(int member);
  void ClearFigures();
  // Opens the parameter window for a member of the shown group, then shows
  // that member's record again.
  void OpenParameters(int member);

  GameState& state_;
  ProgramPaths paths_;
  int stats_group_ = 1;
  int stats_member_ = 0;

  // Indexed 1..5; the objectNames carry the group ("groupButton3").
  std::array<QRadioButton*, kGroups + 1> groupButtons{};
  QListWidget* memberList = nullptr;
  QLabel* playerNameCaption = nullptr;  // "プレーヤー名 ："
  QLabel* playerNameLabel = nullptr;
  // The figures, named for what they show.
  QLabel* handsPlayedFigure = nullptr;
  QLabel* winsFigure = nullptr;
  QLabel* winRateFigure = nullptr;
  QLabel* winNumberFigure = nullptr;
  QLabel* yakuFigure = nullptr;
  QLabel* pointsWonFigure = nullptr;
  QLabel* initialMatchesFigure = nullptr;
  QLabel* counterCallsFigure = nullptr;
  QLabel* dealInsFigure = nullptr;
  QLabel* dealInRateFigure = nullptr;
  QLabel* pointsLostFigure = nullptr;
  QLabel* cardOversFigure = nullptr;
  QLabel* gamesPlayedFigure = nullptr;
  QLabel* rankFigure = nullptr;
  QLabel* pointsFigure = nullptr;
  QPushButton* okButton = nullptr;
  QPushButton* parametersButton = nullptr;
  WindowRuns runs_;  // the waits for the parameter window
};

// The main window's "対戦成績(&R&ｾ)..." item: the window, window-modal over
// `parent` and waited for inside a run (see Awaiting.h), on the current
// group with the first member's record shown.
// What the statistics window opens with: a member's record, or over it the
// parameter window of the member chosen in the list (the first when none is).
enum class GameResultOpening { Record, Parameters };

void OpenGameResult(QWidget* parent, GameState& state, const ProgramPaths& paths, GameResultOpening opening);

}  // namespace winpiruk

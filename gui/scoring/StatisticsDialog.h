#pragma once
// The statistics window "ぴるく  －対戦成績－": one member's record at a
// time, chosen by group and from the group's list of names.
#include <QDialog>
#include <array>

#include "config/ProgramPaths.h"
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

  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option3 = nullptr;
  QRadioButton* Option4 = nullptr;
  QRadioButton* Option5 = nullptr;
  QListWidget* List1 = nullptr;
  QPushButton* Command1 = nullptr;

  QLabel* PlayerNameCaption = nullptr;  // "プレーヤー名 ："
  QLabel* PlayerName = nullptr;
  // The figures, named for what they show.
  QLabel* HandsPlayedFigure = nullptr;
  QLabel* WinsFigure = nullptr;
  QLabel* WinRateFigure = nullptr;
  QLabel* WinNumberFigure = nullptr;
  QLabel* YakuFigure = nullptr;
  QLabel* PointsWonFigure = nullptr;
  QLabel* InitialMatchesFigure = nullptr;
  QLabel* CounterCallsFigure = nullptr;
  QLabel* DealInsFigure = nullptr;
  QLabel* DealInRateFigure = nullptr;
  QLabel* PointsLostFigure = nullptr;
  QLabel* CardOversFigure = nullptr;
  QLabel* GamesPlayedFigure = nullptr;
  QLabel* RankFigure = nullptr;
  QLabel* PointsFigure = nullptr;

  int StatsGroup() const { return stats_group_; }
  // The member whose record is shown, 0 when none.
  int StatsMember() const { return stats_member_; }

  // Opens the parameter window for a member of the shown group, then shows
  // that member's record again.
  void OpenParameters(int member);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QGroupBox* BuildGroups();
  QFrame* BuildRecord();
  QGridLayout* BuildFigures(QWidget* record);
  void Option_Click(int group);
  void List1_Click();
  void ShowGroup();
  void ShowMember(int member);
  void ClearFigures();

  GameState& state_;
  ProgramPaths paths_;
  std::array<QRadioButton*, kGroups + 1> options_{};
  int stats_group_ = 1;
  int stats_member_ = 0;
};

// The main window's "対戦成績(&R&ｾ)..." item: the window, modal, on the
// current group with the first member's record shown.
void OpenGameResult(QWidget* parent, GameState& state, const ProgramPaths& paths);

}  // namespace winpiruk

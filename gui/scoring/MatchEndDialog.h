#pragma once
// The game end window "ぴるく  －ゲーム終了－": shows the final table of the
// match the engine has just settled (uma, yakitori, the members' points and
// ranks, the member files). From here the user plays again, changes the
// members, reviews the match or ends the program.
#include <cstdint>

#include "scoring/Settlement.h"
#include "state/GameState.h"
#include "gui/common/CentredDialog.h"
#include "gui/common/WindowRuns.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace winpiruk {

class MatchEndDialog : public CentredDialog {
  Q_OBJECT

 public:
  MatchEndDialog(const GameState& state, SettlementView view, QWidget* parent = nullptr);
  ~MatchEndDialog() override;

  const SettlementView& View() const { return view_; }
  SettlementOutcome Outcome() const { return outcome_; }

 signals:
  // "終了(&X)" and the close box: the program writes what must survive and
  // ends; when it does not, the window closes.
  void endChosen();

 public slots:
  // Esc does not end the program; only the buttons and the close box do.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildGrid();
  void BuildControls();  // the question, the buttons and the status bar
  void LayOut();
  void ShowSettlement();
  void OnAgain();
  void OnEnd();
  void OnChangeMembers();
  void OnReview();
  void Finish(SettlementOutcome outcome);

  const GameState& state_;
  SettlementView view_;
  SettlementOutcome outcome_ = SettlementOutcome::EndProgram;
  bool write_failure_shown_ = false;
  bool SettlementClosing = false;  // a button or the close box has answered

  QTableWidget* resultTable = nullptr;
  QLabel* questionLabel = nullptr;  // "もう一度遊びますか？ "
  QPushButton* againButton = nullptr;          // "はい(&Y)"
  QPushButton* endButton = nullptr;            // "終了(&X)"
  QPushButton* changeMembersButton = nullptr;  // "メンバー変更(&M)..."
  QPushButton* reviewButton = nullptr;         // "考察(&R)..."
  QLabel* gameTimeLabel = nullptr;             // in the status bar
  WindowRuns runs_;  // the waits for a message and the review window
};

}  // namespace winpiruk

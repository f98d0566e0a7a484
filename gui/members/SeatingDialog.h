#pragma once
// The member and dealer decision window: three opponents are picked from the
// current group (or chosen at random) and the first dealer is drawn.
#include <QDialog>
#include <array>
#include <vector>

#include "config/ProgramPaths.h"
#include "engine/Clock.h"
#include "engine/Random.h"
#include "members/MemberDecision.h"
#include "state/GameState.h"
#include "gui/common/CardPictures.h"
#include "gui/common/WindowRuns.h"

class QLabel;
class QLayout;
class QListWidget;
class QPixmap;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace winpiruk {

class DealerDrawPage;
class SeatingPlan;

enum class SeatingDialogOutcome {
  Started,    // OK: the seats and the dealer are set and a match is in progress
  Cancelled,  // "ｷｬﾝｾﾙ" or the close box: no match
  Quit,       // no card data directory, or a picture is missing: the program must end
};

// Opens the window, window-modal over `parent`, waits for it inside a run
// (see Awaiting.h) and returns how it closed. The member files have been
// written by then, whichever way it closed.
// `member_change`: opened to change the members after a match, so the
// previous opponents stay in the seat labels.
SeatingDialogOutcome RunMemberDecision(QWidget* parent, GameState& state, const ProgramPaths& paths, bool member_change,
                               RandomSource& random, const Clock& clock);

class SeatingDialog : public QDialog {
  Q_OBJECT

 public:
  SeatingDialog(GameState& state, const ProgramPaths& paths, RandomSource& random, const Clock& clock,
        QWidget* parent = nullptr);
  ~SeatingDialog() override;

  // What opening the window does: the settings file again, the seeds, the
  // member list. False when the program must end (no card directory given).
  bool Open(bool member_change);

  SeatingDialogOutcome Outcome() const { return outcome_; }

  // The working state, for the tests.
  const DealerDraw& Draw() const { return draw_; }
  const std::vector<int16_t>& Picks() const { return picks_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;
  void reject() override;

 private:
  void BuildControls();
  QLabel* BuildMessageLabel();
  QWidget* BuildStage();
  // The seated members and the choosing buttons beside the list.
  QLayout* BuildSidePanel();
  QLayout* BuildClosingRow();
  void ConnectControls();
  void LoadMemberRows();
  void ShowMemberRows();
  void ShowMessage(const std::string& text);
  void ShowMessage(const QString& text);
  void ShowSeatLabels(const std::array<std::string, kOpponents>& names);
  void ShowSeating();
  void UpdateRandomChoiceEnabled();
  void OnSelectionChanged();
  void TellAboutPickChange(const std::vector<int16_t>& before, const std::vector<int16_t>& selected);
  void MarkLastOpponents();
  void OnChooseAgain();
  void OnRandomChoice();
  void OnCancel();
  void OnOk();
  void OnChangeGroup();
  void OnReseed();
  void OnCardClicked(int position);
  void StartDealerDraw();
  void UserDraw(int position);
  bool RevealAt(int position);
  void Pause(int units);
  // The picture of `file` at the draw's size; after the message and the
  // window's close when it cannot be had.
  bool LoadPicture(const std::string& file, QPixmap& picture);

  GameState& state_;
  ProgramPaths paths_;
  RandomSource& random_;
  const Clock& clock_;
  CardPictures pictures_;  // at the size shown and this window's pixel ratio
  SeatingDialogOutcome outcome_ = SeatingDialogOutcome::Cancelled;
  std::vector<MemberRow> rows_;
  std::vector<int16_t> picks_;
  DealerDraw draw_;
  std::string dealer_name_;
  bool drawing_ = false;  // the draws and their pauses are running

  QLabel* messageLabel = nullptr;
  QStackedWidget* stage = nullptr;  // the member list, the draw, the seating plan
  QListWidget* memberList = nullptr;
  DealerDrawPage* drawPage = nullptr;
  SeatingPlan* seatingPlan = nullptr;
  // The three opponents picked; the objectNames count from 1 ("opponentLabel1").
  std::array<QLabel*, kOpponents> opponentLabels{};
  QPushButton* randomChoiceButton = nullptr;  // "ﾗﾝﾀﾞﾑ選択(&A)"
  QPushButton* chooseAgainButton = nullptr;   // "決め直し(&R)"
  QPushButton* changeGroupButton = nullptr;   // "ｸﾞﾙｰﾌﾟ変更(&G)..."
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;  // "ｷｬﾝｾﾙ"
  QTimer* reseedTimer = nullptr;
  // The buttons', the keys' and the cards' runs: the draws with their
  // pauses, messages and the group window.
  WindowRuns runs_;
};

}  // namespace winpiruk

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
#include "gui/members/DealerDrawCard.h"
#include "state/GameState.h"
#include "gui/common/CardPictures.h"

class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace winpiruk {

enum class SeatingDialogOutcome {
  Started,    // OK: the seats and the dealer are set and a match is in progress
  Cancelled,  // "ｷｬﾝｾﾙ" or the close box: no match
  Quit,       // no card data directory, or a picture is missing: the program must end
};

// Opens the window modally over `parent` and returns how it closed. The
// member files have been written by then, whichever way it closed.
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

  // Click on the four face-down cards, positions 1..4.
  void ClickCard(int position);

  // Controls, named as the window's design names them.
  QListWidget* List1 = nullptr;
  QPushButton* Command1 = nullptr;  // "決め直し(&R)"
  QPushButton* Command2 = nullptr;  // "ﾗﾝﾀﾞﾑ選択(&A)"
  QPushButton* Command3 = nullptr;  // "ｷｬﾝｾﾙ"
  QPushButton* Command5 = nullptr;  // "OK"
  QPushButton* Command6 = nullptr;  // "ｸﾞﾙｰﾌﾟ変更(&G)..."
  std::array<DealerDrawCard*, kDrawPositions + 1> Picture{};  // Picture1..Picture4 at 1..4
  std::array<QLabel*, kDrawPositions + 1> KeyGuide{};
  std::array<QLabel*, kDrawPositions + 1> DrawnBy{};
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label10 = nullptr;
  QTimer* Timer1 = nullptr;

  // The working state, for the tests.
  const DealerDraw& Draw() const { return draw_; }
  const std::vector<int16_t>& Picks() const { return picks_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;
  void reject() override;

 private:
  // The seated members and the choosing buttons beside the list.
  QLayout* BuildSidePanel();
  QLayout* BuildClosingRow();
  void BuildControls();
  QWidget* BuildDrawPage();
  QWidget* BuildSeatingPage();
  void LoadMemberRows();
  void ShowMemberRows();
  void ShowMessage(const std::string& text);
  void ShowSeatLabels(const std::array<std::string, kOpponents>& names);
  void ShowSeating();
  void UpdateRandomChoiceEnabled();
  void List1_SelectionChanged();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command5_Click();
  void Command6_Click();
  void Timer1_Timer();
  void StartDealerDraw();
  void UserDraw(int position);
  bool RevealAt(int position);
  void Pause(int units);
  bool LoadPicture(DealerDrawCard* picture, const std::string& file);

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
  QStackedWidget* stage_ = nullptr;
  std::array<QLabel*, kSeats> seating_name_{};
  std::array<QLabel*, kSeats> seating_dealer_{};
};

}  // namespace winpiruk

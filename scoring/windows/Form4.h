#pragma once
// The game end window "ぴるく  －ゲーム終了－": loading it settles the match
// (uma, yakitori, the members' points and ranks, the member files) and shows
// the final table. From here the user plays again, changes the members,
// reviews the match or ends the program.
#include <QDialog>
#include <cstdint>
#include <functional>

#include "state/Piruk930.h"
#include "engine/TableView.h"
#include "scoring/Settlement.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace winpiruk {

struct SettlementHooks {
  // Writes both member files; false shows the write failure message.
  MemberFilesWriter write_member_files;
  // The game-over sound, when sound is on.
  std::function<void()> play_game_over;
  // "終了(&X)" and the close box: the program's hook writes what must survive
  // and ends the process; a hook that returns lets the window close.
  std::function<void()> end_program;
  // "メンバー変更(&M)...": the main window empties its table, shows the title
  // "ぴるく" and its play-mode menu from `AutoPlay`.
  std::function<void()> clear_table;
  // Seconds since midnight; the clock of the machine when not given.
  std::function<int32_t()> time_of_day;
};

// The time of day to the nearest whole second.
int32_t SecondsSinceMidnight();

class Form4 : public QDialog {
  Q_OBJECT

 public:
  Form4(Piruk930& state, SettlementHooks hooks, QWidget* parent = nullptr);

  const SettlementView& View() const { return view_; }
  SettlementOutcome Outcome() const { return outcome_; }

  QTableWidget* Grid1 = nullptr;   // the result table
  QLabel* Label1 = nullptr;        // "もう一度遊びますか？ "
  QLabel* StatusBar1 = nullptr;    // the game time
  QPushButton* Command1 = nullptr;    // "はい(&Y)"
  QPushButton* Command2 = nullptr;    // "終了(&X)"
  QPushButton* Command3 = nullptr;    // "メンバー変更(&M)..."
  QPushButton* Command3D1 = nullptr;  // "考察(&R)..."
  bool SettlementClosing = false;

 public slots:
  // Esc does not end the program; only the buttons and the close box do.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command3D1_Click();
  void Finish(SettlementOutcome outcome);
  int32_t Now() const;

  Piruk930& state_;
  SettlementHooks hooks_;
  SettlementView view_;
  SettlementOutcome outcome_ = SettlementOutcome::EndProgram;
  bool write_failure_shown_ = false;
};

// Opens the game end window modally over `parent` and returns the user's
// choice once it has closed.
SettlementOutcome ShowSettlementWindow(QWidget* parent, Piruk930& state, SettlementHooks hooks);

}  // namespace winpiruk

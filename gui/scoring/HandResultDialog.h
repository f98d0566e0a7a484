#pragma once
// The hand result window "ぴるく  －結果－": shows the hand the engine has
// just scored, the cards of the ending and how the points came about.
#include <QString>
#include <array>
#include <functional>

#include "scoring/HandResult.h"
#include "state/GameState.h"
#include "gui/common/CardPictures.h"
#include "gui/common/CentredDialog.h"

class QLabel;
class QPushButton;
class QTimer;

namespace winpiruk {

// How the result window was closed.
enum class HandResultClose { Ok, CloseBox, Countdown, Abort };

// A card picture that cannot be loaded, with its path and the number of the
// drawing routine. The program reports it as the table does, writes the
// member files and ends the process; a handler that returns leaves the
// card's place empty.
using MissingCardPicture = std::function<void(const QString& path, const QString& routine_number)>;

class HandResultDialog : public CentredDialog {
  Q_OBJECT

 public:
  HandResultDialog(const GameState& state, HandResultView result, MissingCardPicture missing_picture, QWidget* parent = nullptr);

  const HandResultView& View() const { return view_; }
  HandResultClose CloseReason() const { return close_reason_; }

  // The picture of a card: the face from the card data directory; an empty
  // picture, after the missing-picture handler, when the file cannot be read.
  QPixmap CardPicture(int code);

  QLabel* Label1 = nullptr;  // the banner
  QLabel* Label2 = nullptr;  // first heading
  QLabel* Label3 = nullptr;  // first name
  QLabel* Label4 = nullptr;  // second heading
  QLabel* Label5 = nullptr;  // second name
  QLabel* Label6 = nullptr;  // the explanation
  QLabel* Label7 = nullptr;  // the extra number's caption
  // Pictures 1..10 the first row, 11..20 the second, 21 and 22 the cards
  // the hand was decided on, 23 the extra number.
  std::array<QLabel*, 24> Picture{};
  QPushButton* Command1 = nullptr;  // "OK"
  QPushButton* Command2 = nullptr;  // "&Abort"
  QTimer* Timer1 = nullptr;         // the auto-play countdown
  int ResultCountdown = 0;

 signals:
  // "&Abort": the program writes what must survive and ends at once; when it
  // does not, the window closes.
  void abortChosen();

 public slots:
  void done(int result) override;

 private:
  void BuildLabels();
  void BuildControls();  // the card pictures, the buttons and the countdown
  void LayOut();
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Timer1_Timer();
  void ShowCards(int first_picture, const std::vector<int16_t>& cards, int capacity);

  const GameState& state_;
  MissingCardPicture missing_picture_;
  CardPictures pictures_;  // at this window's pixel ratio
  HandResultView view_;
  HandResultClose close_reason_ = HandResultClose::CloseBox;
};

}  // namespace winpiruk

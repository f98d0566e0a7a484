#pragma once
// The hand result window "ぴるく  －結果－": shows the hand the engine has
// just scored, the cards of the ending and how the points came about.
#include <QString>
#include <array>
#include <functional>
#include <span>
#include <vector>

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

 signals:
  // "&Abort": the program writes what must survive and ends at once; when it
  // does not, the window closes.
  void abortChosen();

 public slots:
  void done(int result) override;

 private:
  static constexpr int kRowCapacity = 10;

  void BuildLabels();
  void BuildControls();  // the card pictures, the buttons and the countdown
  void LayOut();
  void ShowResult();
  void OnOk();
  void OnAbort();
  void OnCountdownTick();
  void ShowCards(std::span<QLabel* const> places, const std::vector<int16_t>& cards);

  const GameState& state_;
  MissingCardPicture missing_picture_;
  CardPictures pictures_;  // at this window's pixel ratio
  HandResultView view_;
  HandResultClose close_reason_ = HandResultClose::CloseBox;
  int ResultCountdown = 0;  // seconds left in auto-play

  QLabel* bannerLabel = nullptr;
  QLabel* firstHeadingLabel = nullptr;
  QLabel* firstNameLabel = nullptr;
  QLabel* secondHeadingLabel = nullptr;
  QLabel* secondNameLabel = nullptr;
  QLabel* explanationLabel = nullptr;
  QLabel* extraCaptionLabel = nullptr;  // the extra number's caption
  // The two rows of cards, the cards the hand was decided on and the extra
  // number; the objectNames count from 1 ("firstRowCard1", "keyCard2").
  std::array<QLabel*, kRowCapacity> firstRowCards{};
  std::array<QLabel*, kRowCapacity> secondRowCards{};
  std::array<QLabel*, 2> keyCards{};
  QLabel* extraCard = nullptr;
  QPushButton* okButton = nullptr;     // "OK", or the seconds left in auto-play
  QPushButton* abortButton = nullptr;  // "&Abort"
  QTimer* countdownTimer = nullptr;    // the auto-play countdown
};

}  // namespace winpiruk

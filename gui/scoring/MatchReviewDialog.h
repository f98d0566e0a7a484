#pragma once
// The review window "ぴるく  - 考察 -": the user's running total over the
// hands of the match just finished, each hand's word and points. It reads
// the hand log and changes nothing.
#include <QWidget>

#include "state/GameState.h"
#include "gui/common/CentredDialog.h"

class QPushButton;

namespace winpiruk {

// The drawing area of the chart.
class ReviewChartArea : public QWidget {
  Q_OBJECT

 public:
  ReviewChartArea(const GameState& state, QWidget* parent = nullptr);

  // "標準ゴシック" 10 bold where the machine has it, else a Gothic face that
  // holds every kana of the words.
  static QFont ChartFont();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const GameState& state_;
};

class MatchReviewDialog : public CentredDialog {
  Q_OBJECT

 public:
  MatchReviewDialog(const GameState& state, QWidget* parent = nullptr);

 private:
  ReviewChartArea* chartArea = nullptr;
  QPushButton* okButton = nullptr;
};

// Opens the review window, window-modal over `parent`: inside a run it waits
// for the window (see Awaiting.h); outside every run the window stays open
// on its own and the call returns at once.
void ShowReviewWindow(QWidget* parent, const GameState& state);

}  // namespace winpiruk

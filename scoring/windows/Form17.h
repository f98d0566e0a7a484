#pragma once
// The review window "ぴるく  - 考察 -": the user's running total over the
// hands of the match just finished, each hand's word and points. It reads
// the hand log and changes nothing.
#include <QWidget>

#include "state/Piruk930.h"
#include "ui/CentredDialog.h"

class QPushButton;

namespace winpiruk {

// The drawing area of the chart.
class ReviewChartArea : public QWidget {
  Q_OBJECT

 public:
  ReviewChartArea(const Piruk930& state, QWidget* parent = nullptr);

  // "標準ゴシック" 10 bold where the machine has it, else a Gothic face that
  // holds every kana of the words.
  static QFont ChartFont();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Piruk930& state_;
};

class Form17 : public CentredDialog {
  Q_OBJECT

 public:
  Form17(const Piruk930& state, QWidget* parent = nullptr);

  ReviewChartArea* Picture1 = nullptr;
  QPushButton* Command3D1 = nullptr;  // "OK"
};

// Opens the review window modally over `parent`.
void ShowReviewWindow(QWidget* parent, const Piruk930& state);

}  // namespace winpiruk

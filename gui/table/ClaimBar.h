#pragma once
// The claim window made visible: a bar over the discard pile that empties over
// the grace time after a computer's discard, and turns gold once the user
// has claimed the call within it.
#include <QVariantAnimation>
#include <QWidget>

namespace winpiruk {

class ClaimBar : public QWidget {
  Q_OBJECT

 public:
  explicit ClaimBar(QWidget* table);

  // Shows the bar full and lets it empty over `milliseconds`.
  void Run(int milliseconds);
  // The user's claim arrived in time: the bar stops and says so.
  void Claimed();
  // The window has closed.
  void Stop();
  // Lies just over the discard pile's picture at `pile`.
  void PlaceOn(const QRect& pile);

  // The share of the window still left, 1 when it opens, 0 when it closes.
  double Remaining() const { return remaining_; }
  bool IsClaimed() const { return claimed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVariantAnimation emptying_;
  double remaining_ = 0.0;
  bool claimed_ = false;
};

}  // namespace winpiruk

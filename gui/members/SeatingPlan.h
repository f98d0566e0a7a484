#pragma once
// The table seen from above on the felt: the user at the bottom, seats 1, 2
// and 3 at the left, the top and the right, as the main window seats them,
// with a badge on the dealer.
#include <QFrame>
#include <array>

#include "state/GameState.h"

class QLabel;

namespace winpiruk {

class SeatingPlan : public QFrame {
  Q_OBJECT

 public:
  explicit SeatingPlan(QWidget* parent);

  void Show(const std::array<QString, kSeats>& names, int dealer);

 private:
  // By seat, 0 the user; the objectNames carry the seat ("seatName0").
  std::array<QLabel*, kSeats> seatNames{};
  std::array<QLabel*, kSeats> dealerBadges{};
};

}  // namespace winpiruk

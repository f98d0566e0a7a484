#pragma once
// The dealer draw laid out on the felt: four cards, each with its key and,
// once drawn, the name of whoever drew it.
#include <QFrame>
#include <array>

#include "members/MemberDecision.h"

class QLabel;
class QPixmap;

namespace winpiruk {

class DealerDrawCard;

class DealerDrawPage : public QFrame {
  Q_OBJECT

 public:
  explicit DealerDrawPage(QWidget* parent);

  // No key guides and no names: the page as it waits for the members.
  void Clear();
  // Every card face down and drawable, the key guides shown when asked.
  void ShowFaceDown(const QPixmap& back, bool key_guides);
  void SetDrawable(bool drawable);
  void Reveal(int position, const QPixmap& face, const QString& drawn_by);
  void MarkDealer(int position);

 signals:
  // A click on the card at `position`, 1..4.
  void cardClicked(int position);

 private:
  // Positions 1..4; the objectNames carry the position ("drawCard1").
  std::array<DealerDrawCard*, kDrawPositions + 1> drawCards{};
  std::array<QLabel*, kDrawPositions + 1> keyGuides{};
  std::array<QLabel*, kDrawPositions + 1> drawnByLabels{};
};

}  // namespace winpiruk

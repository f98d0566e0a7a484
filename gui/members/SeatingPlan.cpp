#include "gui/members/SeatingPlan.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/members/Felt.h"

namespace winpiruk {

SeatingPlan::SeatingPlan(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("seatingPlan"));
  setStyleSheet(FeltStyle(objectName()) +
                QStringLiteral(" QFrame#seatingPlan QLabel[dealerBadge=\"true\"] { color: #1a1a1a; background: #ffd54a;"
                               " border-radius: 9px; padding: 1px 6px; font-weight: bold; }"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 16);
  const int cell[kSeats][2] = {{2, 1}, {1, 0}, {0, 1}, {1, 2}};
  for (int seat = 0; seat < kSeats; ++seat) {
    auto* box = new QVBoxLayout;
    box->setSpacing(4);
    seatNames[seat] = new QLabel(this);
    seatNames[seat]->setObjectName(QStringLiteral("seatName%1").arg(seat));
    seatNames[seat]->setTextFormat(Qt::PlainText);
    seatNames[seat]->setAlignment(Qt::AlignCenter);
    QFont font = seatNames[seat]->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    font.setBold(true);
    seatNames[seat]->setFont(font);
    dealerBadges[seat] = new QLabel(tr("親"), this);
    dealerBadges[seat]->setObjectName(QStringLiteral("dealerBadge%1").arg(seat));
    dealerBadges[seat]->setProperty("dealerBadge", true);
    dealerBadges[seat]->setAlignment(Qt::AlignCenter);
    box->addWidget(seatNames[seat], 0, Qt::AlignHCenter);
    box->addWidget(dealerBadges[seat], 0, Qt::AlignHCenter);
    grid->addLayout(box, cell[seat][0], cell[seat][1], Qt::AlignCenter);
  }
  auto* table = new QLabel(this);
  table->setFixedSize(90, 60);
  table->setStyleSheet(QStringLiteral("QLabel { border: 2px solid rgba(255,255,255,90); border-radius: 8px; }"));
  grid->addWidget(table, 1, 1, Qt::AlignCenter);
  for (int i = 0; i < 3; ++i) {
    grid->setRowStretch(i, 1);
    grid->setColumnStretch(i, 1);
  }
}

void SeatingPlan::Show(const std::array<QString, kSeats>& names, int dealer) {
  for (int seat = 0; seat < kSeats; ++seat) {
    seatNames[seat]->setText(names[seat]);
    // Keep the badge's room so that the names do not move when it shows.
    QSizePolicy policy = dealerBadges[seat]->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    dealerBadges[seat]->setSizePolicy(policy);
    dealerBadges[seat]->setVisible(seat == dealer);
  }
}

}  // namespace winpiruk

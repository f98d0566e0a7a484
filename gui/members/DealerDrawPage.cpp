#include "gui/members/DealerDrawPage.h"

#include <QGridLayout>
#include <QLabel>

#include "gui/members/DealerDrawCard.h"
#include "gui/members/Felt.h"

namespace winpiruk {

DealerDrawPage::DealerDrawPage(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("drawPage"));
  setStyleSheet(FeltStyle(objectName()));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setRowStretch(0, 1);
  grid->setRowStretch(4, 1);
  // The letter and the kana on the same key, as the keyboard is labelled.
  const QString keys[] = {QString(), tr("A ﾁ"), tr("B ｺ"), tr("C ｿ"), tr("D ｼ")};
  for (int k = 1; k <= kDrawPositions; ++k) {
    drawCards[k] = new DealerDrawCard(this);
    drawCards[k]->setObjectName(QStringLiteral("drawCard%1").arg(k));
    connect(drawCards[k], &DealerDrawCard::clicked, this, [this, k] { emit cardClicked(k); });
    grid->addWidget(drawCards[k], 1, k - 1, Qt::AlignHCenter);

    keyGuides[k] = new QLabel(keys[k], this);
    keyGuides[k]->setObjectName(QStringLiteral("keyGuide%1").arg(k));
    keyGuides[k]->setAlignment(Qt::AlignCenter);
    keyGuides[k]->setStyleSheet(QStringLiteral("QLabel { color: #ffe680; font-weight: bold; }"));
    grid->addWidget(keyGuides[k], 2, k - 1);

    drawnByLabels[k] = new QLabel(this);
    drawnByLabels[k]->setObjectName(QStringLiteral("drawnByLabel%1").arg(k));
    drawnByLabels[k]->setAlignment(Qt::AlignCenter);
    drawnByLabels[k]->setTextFormat(Qt::PlainText);
    drawnByLabels[k]->setMinimumWidth(DealerDrawCard::kShownWidth + 16);
    grid->addWidget(drawnByLabels[k], 3, k - 1);
  }
}

void DealerDrawPage::Clear() {
  for (int k = 1; k <= kDrawPositions; ++k) {
    keyGuides[k]->setVisible(false);
    drawnByLabels[k]->clear();
  }
}

void DealerDrawPage::ShowFaceDown(const QPixmap& back, bool key_guides) {
  for (int k = 1; k <= kDrawPositions; ++k) {
    drawCards[k]->SetCard(back);
    drawCards[k]->SetDrawable(true);
    drawnByLabels[k]->clear();
    drawnByLabels[k]->setStyleSheet(QString());
    keyGuides[k]->setVisible(key_guides);
  }
}

void DealerDrawPage::SetDrawable(bool drawable) {
  for (int k = 1; k <= kDrawPositions; ++k) drawCards[k]->SetDrawable(drawable);
}

void DealerDrawPage::Reveal(int position, const QPixmap& face, const QString& drawn_by) {
  drawCards[position]->SetCard(face);
  drawnByLabels[position]->setText(drawn_by);
}

void DealerDrawPage::MarkDealer(int position) {
  QLabel* label = drawnByLabels[position];
  label->setText(tr("%1  [親]").arg(label->text()));
  label->setStyleSheet(QStringLiteral("QLabel { color: #ffd54a; font-weight: bold; }"));
}

}  // namespace winpiruk

#include "gui/table/ClaimBar.h"

#include <QPainter>
#include <algorithm>

namespace winpiruk {
namespace {

// Light on dark, as the table's other hints, so that it reads on any card.
const QColor kTrack(0, 0, 0, 170);
const QColor kTime(255, 255, 255, 235);
const QColor kClaimed(255, 225, 77, 245);

}  // namespace

ClaimBar::ClaimBar(QWidget* table) : QWidget(table) {
  setObjectName(QStringLiteral("claimBar"));
  // The double click on the pile goes through to the pile.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  emptying_.setStartValue(1.0);
  emptying_.setEndValue(0.0);
  connect(&emptying_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    remaining_ = value.toDouble();
    update();
  });
  hide();
}

void ClaimBar::Run(int milliseconds) {
  claimed_ = false;
  remaining_ = 1.0;
  emptying_.stop();
  emptying_.setDuration(std::max(1, milliseconds));
  emptying_.start();
  show();
  raise();
  update();
}

void ClaimBar::Claimed() {
  if (isHidden()) return;
  emptying_.pause();
  claimed_ = true;
  update();
}

void ClaimBar::Stop() {
  emptying_.stop();
  remaining_ = 0.0;
  hide();
}

void ClaimBar::PlaceOn(const QRect& pile) {
  // Just over the pile, as wide as the card: the card itself stays readable.
  const int height = std::max(5, pile.height() / 10);
  const int gap = std::max(2, pile.height() / 20);
  setGeometry(pile.left() + 1, pile.top() - gap - height, pile.width() - 2, height);
}

void ClaimBar::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const double radius = track.height() / 2;
  painter.setBrush(kTrack);
  painter.drawRoundedRect(track, radius, radius);
  const double share = claimed_ ? 1.0 : std::clamp(remaining_, 0.0, 1.0);
  if (share <= 0.0) return;
  const QRectF time = track.adjusted(1.5, 1.5, -1.5, -1.5);
  QRectF filled = time;
  filled.setWidth(time.width() * share);
  painter.setBrush(claimed_ ? kClaimed : kTime);
  painter.drawRoundedRect(filled, time.height() / 2, time.height() / 2);
}

}  // namespace winpiruk

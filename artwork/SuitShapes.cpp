#include "artwork/SuitShapes.h"

#include <QTransform>

namespace winpiruk::artwork {
namespace {

QPainterPath Heart() {
  QPainterPath p;
  p.moveTo(0, 0.5);
  p.cubicTo(-0.14, 0.32, -0.5, 0.1, -0.5, -0.18);
  p.cubicTo(-0.5, -0.38, -0.38, -0.48, -0.25, -0.48);
  p.cubicTo(-0.12, -0.48, -0.03, -0.4, 0, -0.27);
  p.cubicTo(0.03, -0.4, 0.12, -0.48, 0.25, -0.48);
  p.cubicTo(0.38, -0.48, 0.5, -0.38, 0.5, -0.18);
  p.cubicTo(0.5, 0.1, 0.14, 0.32, 0, 0.5);
  p.closeSubpath();
  return p;
}

// A pointed leaf on a stem that flares into a foot: stem and point tell it
// from the club's round lobes even a few pixels high.
QPainterPath Spade() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.cubicTo(0.16, -0.3, 0.5, -0.12, 0.5, 0.1);
  p.cubicTo(0.5, 0.28, 0.38, 0.36, 0.26, 0.36);
  p.cubicTo(0.17, 0.36, 0.11, 0.32, 0.08, 0.26);
  p.quadTo(0.1, 0.42, 0.26, 0.5);
  p.lineTo(-0.26, 0.5);
  p.quadTo(-0.1, 0.42, -0.08, 0.26);
  p.cubicTo(-0.11, 0.32, -0.17, 0.36, -0.26, 0.36);
  p.cubicTo(-0.38, 0.36, -0.5, 0.28, -0.5, 0.1);
  p.cubicTo(-0.5, -0.12, -0.16, -0.3, 0, -0.5);
  p.closeSubpath();
  return p;
}

// Broad enough to fill its box as the other suits do.
QPainterPath Diamond() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.quadTo(0.17, -0.17, 0.48, 0);
  p.quadTo(0.17, 0.17, 0, 0.5);
  p.quadTo(-0.17, 0.17, -0.48, 0);
  p.quadTo(-0.17, -0.17, 0, -0.5);
  p.closeSubpath();
  return p;
}

// Three round lobes with gaps between them, on the same flared stem.
QPainterPath Clover() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  constexpr double r = 0.235;
  p.addEllipse(QPointF(0, -0.265), r, r);
  p.addEllipse(QPointF(-0.265, 0.1), r, r);
  p.addEllipse(QPointF(0.265, 0.1), r, r);
  p.addEllipse(QPointF(0, 0.02), 0.1, 0.1);
  QPainterPath stem;
  stem.moveTo(-0.08, 0.0);
  stem.lineTo(0.08, 0.0);
  stem.quadTo(0.1, 0.42, 0.26, 0.5);
  stem.lineTo(-0.26, 0.5);
  stem.quadTo(-0.1, 0.42, -0.08, 0.0);
  stem.closeSubpath();
  return p.united(stem);
}

}  // namespace

QPainterPath SuitPath(int suit) {
  switch (suit) {
    case 0: return Heart();
    case 1: return Spade();
    case 2: return Diamond();
    default: return Clover();
  }
}

QColor SuitColour(int suit, DeckColours colours) {
  const QColor red(0xd0, 0x10, 0x1c);
  const QColor black(0x10, 0x10, 0x14);
  if (colours == DeckColours::FourColour) {
    // Blue and green as dark as the red, so that every suit reads as well
    // on the white card.
    if (suit == 2) return QColor(0x14, 0x4c, 0xd2);
    if (suit == 3) return QColor(0x0a, 0x88, 0x2e);
  }
  return (suit == 0 || suit == 2) ? red : black;
}

void DrawPip(QPainter& painter, int suit, const QRectF& box, bool upside_down, DeckColours colours) {
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(box.width(), box.height());
  if (upside_down) t.rotate(180);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(SuitColour(suit, colours));
  painter.drawPath(t.map(SuitPath(suit)));
  painter.restore();
}

}  // namespace winpiruk::artwork

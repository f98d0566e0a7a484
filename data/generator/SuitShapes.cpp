#include "SuitShapes.h"

#include <QTransform>

namespace winpiruk::datagen {
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

QPainterPath Spade() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.cubicTo(0.14, -0.3, 0.5, -0.1, 0.5, 0.12);
  p.cubicTo(0.5, 0.3, 0.38, 0.38, 0.26, 0.38);
  p.cubicTo(0.15, 0.38, 0.07, 0.32, 0.04, 0.24);
  p.quadTo(0.06, 0.44, 0.2, 0.5);
  p.lineTo(-0.2, 0.5);
  p.quadTo(-0.06, 0.44, -0.04, 0.24);
  p.cubicTo(-0.07, 0.32, -0.15, 0.38, -0.26, 0.38);
  p.cubicTo(-0.38, 0.38, -0.5, 0.3, -0.5, 0.12);
  p.cubicTo(-0.5, -0.1, -0.14, -0.3, 0, -0.5);
  p.closeSubpath();
  return p;
}

QPainterPath Diamond() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.quadTo(0.15, -0.15, 0.45, 0);
  p.quadTo(0.15, 0.15, 0, 0.5);
  p.quadTo(-0.15, 0.15, -0.45, 0);
  p.quadTo(-0.15, -0.15, 0, -0.5);
  p.closeSubpath();
  return p;
}

QPainterPath Clover() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  constexpr double r = 0.215;
  p.addEllipse(QPointF(0, -0.27), r, r);
  p.addEllipse(QPointF(-0.265, 0.07), r, r);
  p.addEllipse(QPointF(0.265, 0.07), r, r);
  p.addEllipse(QPointF(0, 0.0), 0.12, 0.12);
  QPainterPath stem;
  stem.moveTo(-0.04, 0.0);
  stem.lineTo(0.04, 0.0);
  stem.quadTo(0.06, 0.42, 0.2, 0.5);
  stem.lineTo(-0.2, 0.5);
  stem.quadTo(-0.06, 0.42, -0.04, 0.0);
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

QColor SuitColour(int suit) {
  return (suit == 0 || suit == 2) ? QColor(0xd0, 0x10, 0x1c) : QColor(0x10, 0x10, 0x14);
}

void DrawPip(QPainter& painter, int suit, const QRectF& box, bool upside_down) {
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(box.width(), box.height());
  if (upside_down) t.rotate(180);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(SuitColour(suit));
  painter.drawPath(t.map(SuitPath(suit)));
  painter.restore();
}

}  // namespace winpiruk::datagen

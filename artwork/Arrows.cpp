#include "artwork/Arrows.h"

#include <QPainterPath>

#include "artwork/Painting.h"
#include "presentation/PictureNames.h"

namespace winpiruk::artwork {
namespace {

// The arrow of the bottom seat with clockwise play; the others are this one
// mirrored and turned.
QImage BottomClockwise(double scale) {
  QImage image = NewImage(kArrowSize, kArrowSize, TableFelt(), scale);
  QPainter p(&image);
  MakeSmooth(p);
  ScaleToUnits(p, image, kArrowSize, kArrowSize);
  // Drawn on a grid of 32 units.
  p.scale(kArrowSize / 32.0, kArrowSize / 32.0);
  QPainterPath shaft;
  shaft.moveTo(29, 7);
  shaft.cubicTo(22, 5, 15.5, 8, 15.5, 17);
  QPainterPath head;
  head.moveTo(7.5, 15.5);
  head.lineTo(23.5, 15.5);
  head.lineTo(15.5, 29.5);
  head.closeSubpath();
  const QColor outline(70, 40, 0);
  const QColor body(255, 214, 40);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(outline, 8, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(shaft);
  p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(body);
  p.drawPath(head);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(body, 4.8, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(shaft);
  // A highlight along the shaft gives the arrow some depth.
  p.setPen(QPen(QColor(255, 248, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
  QPainterPath shine;
  shine.moveTo(28, 5.8);
  shine.cubicTo(21, 4.2, 14.6, 7.5, 14.3, 15);
  p.drawPath(shine);
  return image;
}

}  // namespace

QImage DrawArrow(int seat, int direction, double scale) {
  QImage arrow = BottomClockwise(scale);
  if (direction < 0) arrow = arrow.mirrored(true, false);
  // Turning the bottom arrow a quarter clockwise points it at the left seat
  // and moves its tail from the right seat to the bottom one, which is the
  // seat before the left one in clockwise play.
  return Turned(arrow, 90 * seat);
}

}  // namespace winpiruk::artwork

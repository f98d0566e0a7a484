#include "CourtFigures.h"

#include <QPainterPath>
#include <cmath>

#include "SuitShapes.h"

namespace winpiruk::datagen {
namespace {

// Each half is drawn in a 100 × 110 box and scaled into place.
constexpr double kBoxWidth = 100;
constexpr double kBoxHeight = 110;

const QColor kInk(40, 28, 24);
const QColor kSkin(250, 214, 176);
const QColor kGold(232, 184, 40);
const QColor kRed(196, 32, 44);
const QColor kBlue(36, 72, 168);
const QColor kBrown(128, 78, 40);
const QColor kWhite(252, 252, 250);

struct Robe {
  QColor main, band, trim;
};

// The court colours: every figure wears the four inks of a printed deck,
// arranged differently for each rank so the three stay apart at a glance.
Robe RobeFor(int rank, int suit) {
  const bool red_suit = suit == 0 || suit == 2;
  switch (rank) {
    case 13: return {red_suit ? kRed : kBlue, kGold, red_suit ? kBlue : kRed};
    case 12: return {red_suit ? kBlue : kRed, kGold, kInk};
    default: return {kGold, red_suit ? kRed : kBlue, kInk};
  }
}

void DrawBody(QPainter& p, const Robe& robe) {
  QPainterPath body;
  body.moveTo(4, 110);
  body.cubicTo(6, 86, 18, 72, 36, 68);
  body.lineTo(64, 68);
  body.cubicTo(82, 72, 94, 86, 96, 110);
  body.closeSubpath();
  p.setPen(QPen(kInk, 2.2));
  p.setBrush(robe.main);
  p.drawPath(body);
  // Front panel with its buttons.
  QPainterPath band;
  band.moveTo(40, 70);
  band.lineTo(60, 70);
  band.lineTo(66, 110);
  band.lineTo(34, 110);
  band.closeSubpath();
  p.setBrush(robe.band);
  p.drawPath(band);
  p.setPen(Qt::NoPen);
  p.setBrush(robe.trim);
  for (double y : {80.0, 92.0, 104.0}) p.drawEllipse(QPointF(50, y), 3.2, 3.2);
  // Collar.
  p.setPen(QPen(kInk, 1.8));
  p.setBrush(kWhite);
  QPainterPath collar;
  collar.moveTo(30, 70);
  collar.quadTo(50, 84, 70, 70);
  collar.quadTo(50, 64, 30, 70);
  p.drawPath(collar);
}

void DrawFace(QPainter& p, double cx, double cy) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(cx, cy), 13, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(cx - 5, cy - 2), 2.0, 2.0);
  p.drawEllipse(QPointF(cx + 5, cy - 2), 2.0, 2.0);
  p.setPen(QPen(kRed, 2));
  p.drawLine(QPointF(cx - 4, cy + 8), QPointF(cx + 4, cy + 8));
}

void DrawCrown(QPainter& p, double top, double base, double half_width, bool tall) {
  QPainterPath crown;
  crown.moveTo(50 - half_width, base);
  crown.lineTo(50 - half_width, top + (tall ? 6 : 4));
  crown.lineTo(50 - half_width / 2, base - (tall ? 10 : 5));
  crown.lineTo(50, top);
  crown.lineTo(50 + half_width / 2, base - (tall ? 10 : 5));
  crown.lineTo(50 + half_width, top + (tall ? 6 : 4));
  crown.lineTo(50 + half_width, base);
  crown.closeSubpath();
  p.setPen(QPen(kInk, 2));
  p.setBrush(kGold);
  p.drawPath(crown);
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(50, base - 4), 3, 3);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(50 - half_width + 5, base - 4), 2.4, 2.4);
  p.drawEllipse(QPointF(50 + half_width - 5, base - 4), 2.4, 2.4);
}

void DrawKing(QPainter& p, const Robe& robe) {
  // Sword held upright at his side.
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(214, 220, 228));
  p.drawRect(QRectF(80, 8, 7, 72));
  p.setBrush(kGold);
  p.drawRect(QRectF(72, 78, 23, 6));
  p.setBrush(kBrown);
  p.drawRect(QRectF(80.5, 84, 6, 20));
  DrawBody(p, robe);
  DrawFace(p, 50, 46);
  // Full beard and moustache.
  QPainterPath beard;
  beard.moveTo(37, 50);
  beard.cubicTo(38, 66, 44, 76, 50, 78);
  beard.cubicTo(56, 76, 62, 66, 63, 50);
  beard.quadTo(50, 60, 37, 50);
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(150, 108, 64));
  p.drawPath(beard);
  DrawCrown(p, 6, 34, 17, true);
}

void DrawQueen(QPainter& p, const Robe& robe) {
  // Hair falling past the shoulders, drawn behind the face.
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(214, 160, 60));
  QPainterPath hair;
  hair.moveTo(50, 28);
  hair.cubicTo(24, 28, 24, 60, 28, 76);
  hair.lineTo(72, 76);
  hair.cubicTo(76, 60, 76, 28, 50, 28);
  p.drawPath(hair);
  DrawBody(p, robe);
  DrawFace(p, 50, 48);
  DrawCrown(p, 18, 36, 12, false);
  // A rose on a stem, held in front.
  p.setPen(QPen(QColor(40, 120, 50), 3));
  p.drawLine(QPointF(20, 104), QPointF(20, 78));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 140, 60));
  p.drawEllipse(QPointF(14, 92), 6, 3.5);
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(QColor(226, 60, 110));
  for (int i = 0; i < 5; ++i) {
    const double a = i * 72.0 * 3.14159265 / 180.0;
    p.drawEllipse(QPointF(20 + 6 * std::sin(a), 72 - 6 * std::cos(a)), 5, 5);
  }
  p.setBrush(kGold);
  p.drawEllipse(QPointF(20, 72), 3.2, 3.2);
}

void DrawJack(QPainter& p, const Robe& robe) {
  // Halberd: a staff with an axe head.
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(kBrown);
  p.drawRect(QRectF(81, 10, 5, 96));
  QPainterPath axe;
  axe.moveTo(86, 18);
  axe.quadTo(100, 24, 98, 40);
  axe.quadTo(92, 34, 86, 34);
  axe.closeSubpath();
  axe.moveTo(81, 8);
  axe.lineTo(83.5, 0);
  axe.lineTo(86, 8);
  axe.closeSubpath();
  p.setBrush(QColor(200, 206, 216));
  p.drawPath(axe);
  DrawBody(p, robe);
  // Short curls at the sides of the face.
  p.setBrush(kBrown);
  p.drawEllipse(QPointF(36, 54), 6, 8);
  p.drawEllipse(QPointF(64, 54), 6, 8);
  DrawFace(p, 50, 50);
  // A flat cap with a feather.
  QPainterPath feather;
  feather.moveTo(62, 30);
  feather.cubicTo(72, 20, 70, 6, 60, 2);
  feather.cubicTo(66, 12, 62, 22, 56, 30);
  feather.closeSubpath();
  p.setBrush(kWhite);
  p.drawPath(feather);
  p.setBrush(robe.band);
  p.drawRoundedRect(QRectF(36, 22, 28, 14), 5, 5);
  p.setBrush(robe.main);
  p.drawEllipse(QRectF(28, 31, 44, 9));
}

}  // namespace

void DrawCourtHalf(QPainter& painter, int rank, int suit, const QRectF& half) {
  painter.save();
  painter.setClipRect(half);
  painter.translate(half.topLeft());
  painter.scale(half.width() / kBoxWidth, half.height() / kBoxHeight);
  const Robe robe = RobeFor(rank, suit);
  if (rank == 13) {
    DrawKing(painter, robe);
  } else if (rank == 12) {
    DrawQueen(painter, robe);
  } else {
    DrawJack(painter, robe);
  }
  DrawPip(painter, suit, QRectF(3, 3, 20, 21));
  painter.restore();
}

}  // namespace winpiruk::datagen

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
    case 12: return {red_suit ? kBlue : kRed, kGold, kWhite};
    default: return {kGold, red_suit ? kRed : kBlue, red_suit ? kBlue : kRed};
  }
}

void DrawBody(QPainter& p, const Robe& robe) {
  // Square shoulders and a robe down to the middle line, so the two halves
  // meet in one upright figure.
  QPainterPath body;
  body.moveTo(3, 110);
  body.lineTo(3, 86);
  body.quadTo(5, 68, 28, 64);
  body.lineTo(72, 64);
  body.quadTo(95, 68, 97, 86);
  body.lineTo(97, 110);
  body.closeSubpath();
  p.setPen(QPen(kInk, 2.2));
  p.setBrush(robe.main);
  p.drawPath(body);
  // A sash across the chest and the front panel with its buttons.
  QPainterPath sash;
  sash.moveTo(16, 70);
  sash.lineTo(28, 66);
  sash.lineTo(90, 104);
  sash.lineTo(84, 110);
  sash.closeSubpath();
  p.setBrush(robe.trim);
  p.drawPath(sash);
  QPainterPath band;
  band.moveTo(40, 66);
  band.lineTo(60, 66);
  band.lineTo(64, 110);
  band.lineTo(36, 110);
  band.closeSubpath();
  p.setBrush(robe.band);
  p.drawPath(band);
  p.setPen(Qt::NoPen);
  p.setBrush(robe.trim);
  for (double y : {80.0, 92.0, 104.0}) p.drawEllipse(QPointF(50, y), 3.4, 3.4);
  // Collar.
  p.setPen(QPen(kInk, 1.8));
  p.setBrush(kWhite);
  QPainterPath collar;
  collar.moveTo(26, 66);
  collar.quadTo(50, 84, 74, 66);
  collar.quadTo(50, 58, 26, 66);
  p.drawPath(collar);
}

void DrawFace(QPainter& p, double cx, double cy) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(cx, cy), 14, 17);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(cx - 5.5, cy - 3), 2.3, 2.3);
  p.drawEllipse(QPointF(cx + 5.5, cy - 3), 2.3, 2.3);
  p.setPen(QPen(kRed, 2.4));
  p.drawLine(QPointF(cx - 4, cy + 9), QPointF(cx + 4, cy + 9));
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
  DrawFace(p, 50, 45);
  // Full beard and moustache.
  QPainterPath beard;
  beard.moveTo(36, 48);
  beard.cubicTo(37, 66, 44, 78, 50, 80);
  beard.cubicTo(56, 78, 63, 66, 64, 48);
  beard.quadTo(50, 60, 36, 48);
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(150, 108, 64));
  p.drawPath(beard);
  DrawCrown(p, 2, 30, 18, true);
}

void DrawQueen(QPainter& p, const Robe& robe) {
  // Hair falling past the shoulders, drawn behind the face.
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(214, 160, 60));
  QPainterPath hair;
  hair.moveTo(50, 22);
  hair.cubicTo(18, 22, 18, 58, 22, 74);
  hair.lineTo(78, 74);
  hair.cubicTo(82, 58, 82, 22, 50, 22);
  p.drawPath(hair);
  DrawBody(p, robe);
  DrawFace(p, 50, 46);
  DrawCrown(p, 12, 32, 14, false);
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
  p.drawEllipse(QPointF(35, 52), 7, 9);
  p.drawEllipse(QPointF(65, 52), 7, 9);
  DrawFace(p, 50, 47);
  // A flat cap with a feather.
  QPainterPath feather;
  feather.moveTo(62, 24);
  feather.cubicTo(74, 16, 72, 2, 60, 0);
  feather.cubicTo(66, 8, 62, 16, 56, 24);
  feather.closeSubpath();
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(kWhite);
  p.drawPath(feather);
  p.setBrush(robe.band);
  p.drawRoundedRect(QRectF(34, 14, 32, 16), 6, 6);
  p.setBrush(robe.main);
  p.drawEllipse(QRectF(24, 25, 52, 10));
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

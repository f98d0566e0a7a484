#include "artwork/CourtFigures.h"

#include <QPainterPath>
#include <cmath>

#include "artwork/SuitShapes.h"

namespace winpiruk::artwork {
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

// Each suit's colours: hearts crimson, spades navy, diamonds orange and
// clubs green, each with a light shade, a metal and the frame's ground.
struct SuitScheme {
  QColor deep, light, metal, ground;
};

SuitScheme SchemeFor(int suit, DeckColours colours) {
  if (colours == DeckColours::FourColour) {
    // Diamonds take the blue and spades leave their navy for charcoal;
    // hearts and clubs keep their crimson and green.
    if (suit == 1) return {QColor(46, 46, 54), QColor(184, 186, 194), QColor(206, 212, 222), QColor(226, 226, 230)};
    if (suit == 2) return {QColor(22, 78, 200), QColor(150, 186, 248), kGold, QColor(214, 228, 252)};
  }
  switch (suit) {
    case 0: return {QColor(184, 22, 42), QColor(246, 160, 170), kGold, QColor(252, 222, 226)};
    case 1: return {QColor(26, 46, 130), QColor(150, 178, 236), QColor(206, 212, 222), QColor(210, 222, 252)};
    case 2: return {QColor(222, 104, 12), QColor(252, 208, 120), QColor(150, 40, 120), QColor(254, 236, 196)};
    default: return {QColor(18, 110, 48), QColor(160, 216, 140), kGold, QColor(212, 238, 200)};
  }
}

struct Robe {
  QColor main, band, trim;
};

// What a figure wears: its robe, the gem of its crown and its suit's symbol.
struct Dress {
  Robe robe;
  QColor gem;
  int suit;
  DeckColours colours;
};

// Every figure wears its suit's deep colour, trimmed differently by rank.
Robe RobeFor(int rank, const SuitScheme& scheme) {
  switch (rank) {
    case 13: return {scheme.deep, scheme.metal, scheme.light};
    case 12: return {scheme.deep, scheme.light, scheme.light};
    default: return {scheme.deep, scheme.light, scheme.metal};
  }
}

void DrawBody(QPainter& p, const Dress& dress) {
  const Robe& robe = dress.robe;
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
  // A sash across the chest.
  QPainterPath sash;
  sash.moveTo(16, 70);
  sash.lineTo(28, 66);
  sash.lineTo(90, 104);
  sash.lineTo(84, 110);
  sash.closeSubpath();
  p.setBrush(robe.band);
  p.drawPath(sash);
  // Collar.
  p.setPen(QPen(kInk, 1.8));
  p.setBrush(robe.trim);
  QPainterPath collar;
  collar.moveTo(26, 66);
  collar.quadTo(50, 84, 74, 66);
  collar.quadTo(50, 58, 26, 66);
  p.drawPath(collar);
  // The suit's symbol large on a white tabard; the two halves' tabards meet
  // in one panel with a symbol each way up.
  p.setPen(QPen(kInk, 2));
  p.setBrush(kWhite);
  p.drawRect(QRectF(27, 76, 46, 36));
  DrawPip(p, dress.suit, QRectF(31, 79, 38, 31), false, dress.colours);
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

void DrawCrown(QPainter& p, double top, double base, double half_width, bool tall, const QColor& gem) {
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
  p.setBrush(gem);
  p.drawEllipse(QPointF(50, base - 4), 3, 3);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(50 - half_width + 5, base - 4), 2.4, 2.4);
  p.drawEllipse(QPointF(50 + half_width - 5, base - 4), 2.4, 2.4);
}

void DrawKing(QPainter& p, const Dress& dress) {
  // Sword held upright at his side.
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(214, 220, 228));
  p.drawRect(QRectF(80, 8, 7, 72));
  p.setBrush(kGold);
  p.drawRect(QRectF(72, 78, 23, 6));
  p.setBrush(kBrown);
  p.drawRect(QRectF(80.5, 84, 6, 20));
  DrawBody(p, dress);
  DrawFace(p, 50, 45);
  // Full beard and moustache.
  QPainterPath beard;
  beard.moveTo(36, 48);
  beard.cubicTo(37, 62, 44, 72, 50, 74);
  beard.cubicTo(56, 72, 63, 62, 64, 48);
  beard.quadTo(50, 60, 36, 48);
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(150, 108, 64));
  p.drawPath(beard);
  DrawCrown(p, 2, 30, 18, true, dress.gem);
}

void DrawQueen(QPainter& p, const Dress& dress) {
  // Hair falling past the shoulders, drawn behind the face.
  p.setPen(QPen(kInk, 1.6));
  p.setBrush(QColor(214, 160, 60));
  QPainterPath hair;
  hair.moveTo(50, 22);
  hair.cubicTo(18, 22, 18, 58, 22, 74);
  hair.lineTo(78, 74);
  hair.cubicTo(82, 58, 82, 22, 50, 22);
  p.drawPath(hair);
  DrawBody(p, dress);
  DrawFace(p, 50, 46);
  DrawCrown(p, 12, 32, 14, false, dress.gem);
  // A rose on a stem, held at her side away from the corner index.
  p.setPen(QPen(QColor(40, 120, 50), 3));
  p.drawLine(QPointF(84, 104), QPointF(84, 78));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 140, 60));
  p.drawEllipse(QPointF(90, 92), 6, 3.5);
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(QColor(226, 60, 110));
  for (int i = 0; i < 5; ++i) {
    const double a = i * 72.0 * 3.14159265 / 180.0;
    p.drawEllipse(QPointF(84 + 6 * std::sin(a), 72 - 6 * std::cos(a)), 5, 5);
  }
  p.setBrush(kGold);
  p.drawEllipse(QPointF(84, 72), 3.2, 3.2);
}

void DrawJack(QPainter& p, const Dress& dress) {
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
  DrawBody(p, dress);
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
  p.setBrush(dress.robe.band);
  p.drawRoundedRect(QRectF(34, 14, 32, 16), 6, 6);
  p.setBrush(dress.robe.main);
  p.drawEllipse(QRectF(24, 25, 52, 10));
}

// The upper half, head up, in `half`; the card draws the lower half by
// turning the same drawing, as a double-headed court card is printed.
void DrawCourtHalf(QPainter& painter, int rank, const Dress& dress, const QRectF& half) {
  painter.save();
  painter.setClipRect(half, Qt::IntersectClip);
  painter.translate(half.topLeft());
  painter.scale(half.width() / kBoxWidth, half.height() / kBoxHeight);
  if (rank == 13) {
    DrawKing(painter, dress);
  } else if (rank == 12) {
    DrawQueen(painter, dress);
  } else {
    DrawJack(painter, dress);
  }
  painter.restore();
}

QPainterPath FrameOutline(const QRectF& frame, const QSizeF& notch) {
  QPainterPath outline;
  outline.addRect(frame);
  if (notch.isEmpty()) return outline;
  QPainterPath corners;
  corners.addRect(QRectF(frame.topLeft(), notch));
  corners.addRect(QRectF(frame.bottomRight() - QPointF(notch.width(), notch.height()), notch));
  return outline.subtracted(corners);
}

}  // namespace

void DrawCourt(QPainter& p, int rank, int suit, const QRectF& frame, const QSizeF& notch, DeckColours colours) {
  const SuitScheme scheme = SchemeFor(suit, colours);
  const Dress dress{RobeFor(rank, scheme), scheme.deep, suit, colours};
  const QPainterPath outline = FrameOutline(frame, notch);
  const QColor frame_colour = scheme.deep.darker(115);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(scheme.ground);
  p.drawPath(outline);
  p.setClipPath(outline, Qt::IntersectClip);
  const QRectF half(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  DrawCourtHalf(p, rank, dress, half);
  p.translate(frame.center());
  p.rotate(180);
  p.translate(-frame.center());
  DrawCourtHalf(p, rank, dress, half);
  p.restore();
  p.setPen(QPen(frame_colour, 0.8));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  p.setPen(QPen(frame_colour, 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
}

}  // namespace winpiruk::artwork

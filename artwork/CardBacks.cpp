#include "artwork/CardBacks.h"

#include <QPainterPath>
#include <cmath>

#include "artwork/Painting.h"
#include "artwork/SuitShapes.h"

namespace winpiruk::artwork {
namespace {

constexpr double kPi = 3.14159265358979;
const QRectF kPanel(3.5, 3.5, kCardWidth - 7, kCardHeight - 7);

void Lattice(QPainter& p, const QColor& base, const QColor& line, double step) {
  p.fillRect(kPanel, base);
  p.setPen(QPen(line, 1.0));
  for (double d = -kCardHeight; d < kCardWidth + kCardHeight; d += step) {
    p.drawLine(QPointF(d, 0), QPointF(d + kCardHeight, kCardHeight));
    p.drawLine(QPointF(d, kCardHeight), QPointF(d + kCardHeight, 0));
  }
}

void Diamonds(QPainter& p, const QColor& base, const QColor& dark) {
  p.fillRect(kPanel, base);
  p.setPen(Qt::NoPen);
  p.setBrush(dark);
  const double w = 6, h = 8;
  for (int row = -1; row * h / 2 < kCardHeight + h; ++row) {
    for (int col = -1; col * w < kCardWidth + w; ++col) {
      const double x = col * w + (row % 2 ? w / 2 : 0);
      const double y = row * h / 2;
      QPainterPath d;
      d.moveTo(x, y - h / 4);
      d.lineTo(x + w / 4, y);
      d.lineTo(x, y + h / 4);
      d.lineTo(x - w / 4, y);
      d.closeSubpath();
      p.drawPath(d);
    }
  }
}

void Frames(QPainter& p, const QColor& a, const QColor& b) {
  p.fillRect(kPanel, a);
  p.setPen(QPen(b, 1.6));
  p.setBrush(Qt::NoBrush);
  for (double inset = 2; inset < kPanel.width() / 2; inset += 3.5) {
    p.drawRoundedRect(kPanel.adjusted(inset, inset, -inset, -inset), 2, 2);
  }
}

void Dots(QPainter& p, const QColor& base, const QColor& dot) {
  p.fillRect(kPanel, base);
  p.setPen(Qt::NoPen);
  p.setBrush(dot);
  for (int row = 0; row * 5 < kCardHeight; ++row) {
    for (int col = 0; col * 5 < kCardWidth; ++col) {
      p.drawEllipse(QPointF(col * 5.0 + (row % 2 ? 2.5 : 0) + 1, row * 5.0 + 1), 1.1, 1.1);
    }
  }
}

void Checks(QPainter& p, const QColor& a, const QColor& b) {
  p.fillRect(kPanel, a);
  const int s = 4;
  for (int y = 0; y < kCardHeight; y += s) {
    for (int x = 0; x < kCardWidth; x += s) {
      if (((x + y) / s) % 2) p.fillRect(QRect(x, y, s, s), b);
    }
  }
}

void Waves(QPainter& p, const QColor& base, const QColor& line) {
  p.fillRect(kPanel, base);
  p.setPen(QPen(line, 1.3));
  p.setBrush(Qt::NoBrush);
  for (double x0 = -4; x0 < kCardWidth + 4; x0 += 5) {
    QPainterPath wave;
    wave.moveTo(x0, 0);
    for (double y = 0; y <= kCardHeight; y += 1) wave.lineTo(x0 + 1.6 * std::sin(y * 2 * kPi / 10), y);
    p.drawPath(wave);
  }
}

// Overlapping rings of waves in rows, the scale pattern of old Japanese cloth.
void Seigaiha(QPainter& p, const QColor& base, const QColor& line) {
  p.fillRect(kPanel, base);
  const double r = 8;
  for (int row = 0; row * r / 2 < kCardHeight + 2 * r; ++row) {
    for (int col = -1; col * 2 * r < kCardWidth + 2 * r; ++col) {
      const QPointF c(col * 2 * r + (row % 2 ? r : 0), row * r / 2);
      p.setPen(Qt::NoPen);
      p.setBrush(base);
      p.drawEllipse(c, r, r);
      p.setPen(QPen(line, 1.1));
      p.setBrush(Qt::NoBrush);
      for (double rr = r - 0.6; rr > 1.5; rr -= 2.4) p.drawEllipse(c, rr, rr);
    }
  }
}

void Tartan(QPainter& p) {
  p.fillRect(kPanel, QColor(96, 100, 110));
  for (int x = 0; x < kCardWidth; x += 10) {
    p.fillRect(QRectF(x, 0, 4, kCardHeight), QColor(40, 60, 120, 170));
    p.fillRect(QRectF(x + 6, 0, 1, kCardHeight), QColor(220, 40, 40, 200));
  }
  for (int y = 0; y < kCardHeight; y += 10) {
    p.fillRect(QRectF(0, y, kCardWidth, 4), QColor(40, 60, 120, 170));
    p.fillRect(QRectF(0, y + 6, kCardWidth, 1), QColor(220, 40, 40, 200));
  }
}

void Blossom(QPainter& p, QPointF c, double r, const QColor& petal) {
  p.setPen(Qt::NoPen);
  p.setBrush(petal);
  for (int i = 0; i < 5; ++i) {
    const double a = (i * 72 - 90) * kPi / 180;
    p.drawEllipse(QPointF(c.x() + r * 0.55 * std::cos(a), c.y() + r * 0.55 * std::sin(a)), r * 0.48, r * 0.48);
  }
  p.setBrush(QColor(250, 220, 80));
  p.drawEllipse(c, r * 0.22, r * 0.22);
}

void Sakura(QPainter& p) {
  p.fillRect(kPanel, QColor(236, 120, 60));
  // A branch from the lower left, blossoms along it: the picture has an up
  // and a down, so the side seats' cards show which way they are held.
  p.setPen(QPen(QColor(110, 60, 30), 1.6));
  QPainterPath branch;
  branch.moveTo(2, kCardHeight - 6);
  branch.cubicTo(14, 40, 20, 30, 36, 10);
  p.drawPath(branch);
  const QPointF spots[] = {{10, 46}, {17, 36}, {24, 26}, {32, 15}, {26, 44}, {12, 22}, {30, 34}};
  for (const QPointF& s : spots) Blossom(p, s, 5, QColor(255, 226, 236));
}

void Moon(QPainter& p) {
  p.fillRect(kPanel, QColor(24, 24, 40));
  p.setPen(QPen(QColor(200, 166, 70), 0.8));
  for (double d = -kCardHeight; d < kCardWidth + kCardHeight; d += 6) {
    p.drawLine(QPointF(d, 0), QPointF(d + kCardHeight, kCardHeight));
  }
  // Crescent moon in the upper part, stars below.
  QPainterPath moon;
  moon.addEllipse(QPointF(21, 20), 9, 9);
  QPainterPath bite;
  bite.addEllipse(QPointF(25, 17), 8, 8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(24, 24, 40));
  p.drawEllipse(QPointF(21, 20), 11, 11);
  p.setBrush(QColor(246, 214, 110));
  p.drawPath(moon.subtracted(bite));
  for (QPointF s : {QPointF(12, 42), QPointF(28, 46), QPointF(20, 38), QPointF(30, 34)}) {
    p.drawEllipse(s, 1.2, 1.2);
  }
}

void Emblem(QPainter& p, int suit, const QColor& ring, const QColor& fill) {
  const QPointF c(kCardWidth / 2.0, kCardHeight / 2.0);
  p.setPen(QPen(ring, 1.4));
  p.setBrush(fill);
  p.drawEllipse(c, 8, 8);
  QPainterPath pip = SuitPath(suit);
  QTransform t;
  t.translate(c.x(), c.y());
  t.scale(9, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(ring);
  p.drawPath(t.map(pip));
}

void Star(QPainter& p, QPointF c, double r, const QColor& colour) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = (i * 36 - 90) * kPi / 180;
    const double rr = i % 2 ? r * 0.42 : r;
    const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    if (i == 0) star.moveTo(pt); else star.lineTo(pt);
  }
  star.closeSubpath();
  p.setPen(QPen(QColor(90, 60, 10), 0.7));
  p.setBrush(colour);
  p.drawPath(star);
}

QImage DrawUpright(int kind, double scale) {
  QImage image = NewImage(kCardWidth, kCardHeight, TableFelt(), scale);
  QPainter p(&image);
  MakeSmooth(p);
  ScaleToUnits(p, image, kCardWidth, kCardHeight);
  p.setPen(QPen(QColor(110, 110, 116), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 3.5, 3.5);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(kPanel, 2, 2);
  p.setClipPath(clip);
  switch (kind) {
    case 0:
      Lattice(p, QColor(28, 68, 168), QColor(120, 160, 236), 4);
      Emblem(p, 1, QColor(240, 240, 255), QColor(28, 68, 168));
      break;
    case 1:
      Lattice(p, QColor(178, 28, 38), QColor(240, 150, 150), 4);
      Emblem(p, 0, QColor(255, 240, 240), QColor(178, 28, 38));
      break;
    case 2:
      Frames(p, QColor(20, 110, 60), QColor(160, 220, 170));
      break;
    case 3:
      Dots(p, QColor(20, 30, 90), QColor(230, 190, 80));
      Star(p, QPointF(21, 30), 10, QColor(244, 204, 80));
      break;
    case 4:
      Checks(p, QColor(120, 24, 30), QColor(240, 226, 196));
      Emblem(p, 2, QColor(120, 24, 30), QColor(240, 226, 196));
      break;
    case 5:
      Waves(p, QColor(100, 40, 140), QColor(210, 170, 240));
      Emblem(p, 3, QColor(250, 240, 255), QColor(100, 40, 140));
      break;
    case 6:
      Seigaiha(p, QColor(0, 110, 120), QColor(190, 236, 236));
      break;
    case 7:
      Moon(p);
      break;
    case 8:
      Sakura(p);
      break;
    default:
      Tartan(p);
      Diamonds(p, Qt::transparent, QColor(255, 255, 255, 60));
      break;
  }
  p.restore();
  p.setPen(QPen(QColor(255, 255, 255, 200), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(kPanel.adjusted(1, 1, -1, -1), 1.5, 1.5);
  return image;
}

}  // namespace

QImage DrawCardBack(int kind, BackOrientation orientation, double scale) {
  const QImage upright = DrawUpright(kind, scale);
  switch (orientation) {
    case BackOrientation::Upright: return upright;
    case BackOrientation::UpsideDown: return Turned(upright, 180);
    case BackOrientation::Left: return Turned(upright, 90);  // top toward the middle of the table
    case BackOrientation::Right: return Turned(upright, 270);
  }
  return upright;
}

}  // namespace winpiruk::artwork

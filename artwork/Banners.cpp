#include "artwork/Banners.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "artwork/Painting.h"
#include "presentation/PictureNames.h"

namespace winpiruk::artwork {
namespace {

struct Scheme {
  QColor outer, inner, edge, text, text_edge, tray;
};

Scheme SchemeFor(bool counter_call) {
  if (counter_call) {
    return {QColor(40, 20, 120), QColor(120, 190, 255), QColor(16, 8, 70),
            QColor(255, 236, 60), QColor(30, 10, 90), QColor(20, 40, 110)};
  }
  return {QColor(210, 24, 20), QColor(255, 228, 90), QColor(100, 8, 8),
          QColor(255, 255, 255), QColor(150, 10, 10), QColor(120, 30, 20)};
}

// A rectangle with a zigzag rim, the shape of a shout in a comic.
QPainterPath BurstOutline(const QRectF& r, double depth, double step) {
  QPainterPath path;
  std::vector<QPointF> corners = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
  const QPointF c = r.center();
  bool first = true;
  int k = 0;
  for (size_t side = 0; side < 4; ++side) {
    const QPointF a = corners[side];
    const QPointF b = corners[(side + 1) % 4];
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int teeth = std::max(2, static_cast<int>(std::round(length / step)));
    for (int i = 0; i < teeth; ++i, ++k) {
      const QPointF pt = a + (b - a) * (static_cast<double>(i) / teeth);
      QPointF inward = c - pt;
      const double n = std::hypot(inward.x(), inward.y());
      inward = inward * ((k % 2) ? depth / n : 0.0);
      if (first) {
        path.moveTo(pt + inward);
        first = false;
      } else {
        path.lineTo(pt + inward);
      }
    }
  }
  path.closeSubpath();
  return path;
}

// The words as an outline, as large as fits `box`; written top to bottom
// when `vertical`.
QPainterPath Words(const QString& words, const QRectF& box, bool vertical) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(100);
  const QFontMetricsF metrics(font);
  QPainterPath path;
  if (!vertical) {
    path.addText(0, metrics.ascent(), font, words);
  } else {
    for (qsizetype i = 0; i < words.size(); ++i) {
      const QString ch = words.mid(i, 1);
      path.addText(-metrics.horizontalAdvance(ch) / 2, metrics.ascent() + i * metrics.height() * 0.96, font, ch);
    }
  }
  const QRectF bounds = path.boundingRect();
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(path);
}

// The banner over transparency, `scale` times its file's size.
QImage DrawArt(bool counter_call, bool vertical, double scale) {
  const int width = vertical ? kBannerVWidth : kBannerHWidth;
  const int height = vertical ? kBannerVHeight : kBannerHHeight;
  const Scheme scheme = SchemeFor(counter_call);
  QImage art(ScaledSize(width, height, scale), QImage::Format_ARGB32);
  art.fill(Qt::transparent);
  QPainter p(&art);
  MakeSmooth(p);
  ScaleToUnits(p, art, width, height);
  const QRectF all(1.5, 1.5, width - 3, height - 3);
  const QPainterPath burst = BurstOutline(all, 9, 13);
  QRadialGradient glow(all.center(), std::max(width, height) * 0.6);
  glow.setColorAt(0, scheme.inner);
  glow.setColorAt(1, scheme.outer);
  p.setPen(QPen(scheme.edge, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(glow);
  p.drawPath(burst);

  const QRectF panel = all.adjusted(11, 11, -11, -11);
  p.setPen(QPen(scheme.edge, 1.4));
  QLinearGradient sheen(panel.topLeft(), panel.bottomLeft());
  sheen.setColorAt(0, scheme.inner.lighter(115));
  sheen.setColorAt(1, scheme.outer);
  p.setBrush(sheen);
  p.drawRoundedRect(panel, 10, 10);

  // The tray the caller's cards are laid on.
  const PicturePoint first = BannerCardSpot(vertical, 0);
  const PicturePoint last = BannerCardSpot(vertical, kBannerCardSlots - 1);
  const QRectF tray(first.x - 4.5, first.y - 4.5, last.x + kBannerCardWidth - first.x + 9,
                    last.y + kBannerCardHeight - first.y + 9);
  p.setPen(QPen(scheme.edge, 1.2));
  QColor tray_fill = scheme.tray;
  tray_fill.setAlpha(190);
  p.setBrush(tray_fill);
  p.drawRoundedRect(tray, 6, 6);

  const QString words = counter_call ? QCoreApplication::translate("Banners", "ぴるくがえし")
                                     : QCoreApplication::translate("Banners", "ぴるく");
  const QRectF text_box = vertical ? QRectF(panel.left() + 6, panel.top() + 8, tray.left() - panel.left() - 12,
                                            panel.height() - 16)
                                   : QRectF(panel.left() + 14, panel.top() + 4, panel.width() - 28,
                                            tray.top() - panel.top() - 8);
  const QPainterPath text = Words(words, text_box, vertical);
  p.setPen(QPen(scheme.text_edge, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text);
  p.setPen(QPen(scheme.text, 1.2));
  p.setBrush(scheme.text);
  p.drawPath(text);
  p.end();
  return art;
}

}  // namespace

Banner DrawBanner(bool counter_call, bool vertical, double scale) {
  // Drawn first over transparency; the mask is where the drawing covers.
  const QImage art = DrawArt(counter_call, vertical, scale);
  Banner banner{QImage(art.size(), QImage::Format_RGB32), QImage(art.size(), QImage::Format_RGB32)};
  banner.picture.fill(Qt::black);
  banner.mask.fill(Qt::white);
  for (int y = 0; y < art.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(art.constScanLine(y));
    QRgb* picture = reinterpret_cast<QRgb*>(banner.picture.scanLine(y));
    QRgb* mask = reinterpret_cast<QRgb*>(banner.mask.scanLine(y));
    for (int x = 0; x < art.width(); ++x) {
      // A hard edge: the masked transfer knows no half-covered pixels.
      if (qAlpha(in[x]) < 128) continue;
      mask[x] = qRgb(0, 0, 0);
      // Pure black would vanish in the transfer; the darkest ink is a shade off.
      const int r = std::max(qRed(in[x]), 8);
      const int g = std::max(qGreen(in[x]), 8);
      const int b = std::max(qBlue(in[x]), 8);
      picture[x] = qRgb(r, g, b);
    }
  }
  return banner;
}

}  // namespace winpiruk::artwork

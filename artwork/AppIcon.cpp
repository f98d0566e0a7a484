#include "artwork/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <map>

namespace winpiruk::artwork {
namespace {

// The drawing is laid out on a 64 × 64 grid and scaled to the size asked.
constexpr double kGrid = 64.0;
constexpr QRectF kCard(-15, -44, 30, 42);  // around the fan's pivot, bottom centre

QPainterPath HeartPath(const QPointF& centre, double width) {
  const double w = width / 2;
  QPainterPath heart;
  heart.moveTo(centre.x(), centre.y() + w * 0.95);
  heart.cubicTo(centre.x() - w * 1.1, centre.y() + w * 0.05, centre.x() - w * 1.05, centre.y() - w * 0.95,
                centre.x() - w * 0.5, centre.y() - w * 0.95);
  heart.cubicTo(centre.x() - w * 0.15, centre.y() - w * 0.95, centre.x(), centre.y() - w * 0.6, centre.x(),
                centre.y() - w * 0.45);
  heart.cubicTo(centre.x(), centre.y() - w * 0.6, centre.x() + w * 0.15, centre.y() - w * 0.95,
                centre.x() + w * 0.5, centre.y() - w * 0.95);
  heart.cubicTo(centre.x() + w * 1.05, centre.y() - w * 0.95, centre.x() + w * 1.1, centre.y() + w * 0.05,
                centre.x(), centre.y() + w * 0.95);
  heart.closeSubpath();
  return heart;
}

// One card of the fan, turned about the pivot; `face` cards are white with
// a heart, the others show a back.
void PaintCard(QPainter& painter, double degrees, bool face, double outline) {
  painter.save();
  painter.translate(32, 60);
  painter.rotate(degrees);
  painter.setPen(QPen(QColor(40, 40, 48), outline));
  painter.setBrush(face ? QColor(255, 255, 250) : QColor(32, 72, 160));
  painter.drawRoundedRect(kCard, 4, 4);
  painter.setPen(Qt::NoPen);
  if (face) {
    painter.setBrush(QColor(212, 24, 40));
    painter.drawPath(HeartPath(kCard.center() + QPointF(0, 1), 22));
  } else {
    // A lighter frame inside the back, so the fan reads as separate cards.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 180, 240), outline));
    painter.drawRoundedRect(kCard.adjusted(4, 4, -4, -4), 2, 2);
  }
  painter.restore();
}

}  // namespace

void PaintAppIcon(QPainter& painter, int size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(size / kGrid, size / kGrid);
  // Outlines at least a device pixel wide, so the cards stay apart at 16 px.
  const double outline = std::max(2.0, kGrid / size);
  PaintCard(painter, -24, false, outline);
  PaintCard(painter, 24, false, outline);
  PaintCard(painter, 0, true, outline);
  painter.restore();
}

QImage AppIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PaintAppIcon(painter, size);
  return image;
}

namespace {

// A window manager takes the icon at window sizes; the launcher and the
// software centre read the theme's files for larger ones.
constexpr int kLargestWindowIcon = 64;

// Paints the icon only when a size of it is asked for, so that setting a
// window's icon costs no drawing at start-up.
class AppIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    painter->save();
    painter->translate(rect.topLeft());
    PaintAppIcon(*painter, std::min(rect.width(), rect.height()));
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    // Every window takes every size as it is created (the splash, then the
    // table, then each dialog): a size is drawn once.
    const int side = std::max(1, std::min(size.width(), size.height()));
    auto drawn = drawn_.find(side);
    if (drawn == drawn_.end()) drawn = drawn_.emplace(side, QPixmap::fromImage(AppIconImage(side))).first;
    return drawn->second;
  }
  QIconEngine* clone() const override { return new AppIconEngine; }
  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    QList<QSize> sizes;
    for (int size : kAppIconSizes) {
      if (size <= kLargestWindowIcon) sizes.append(QSize(size, size));
    }
    return sizes;
  }

 private:
  std::map<int, QPixmap> drawn_;
};

}  // namespace

QIcon AppIcon() { return QIcon(new AppIconEngine); }

}  // namespace winpiruk::artwork

#include "ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "Painting.h"

namespace winpiruk::datagen {
namespace {

constexpr int kSheetWidth = 1400;
constexpr int kGap = 8;
constexpr int kLabelHeight = 12;

struct Placed {
  const NamedPicture* picture;
  int x, y;
};

}  // namespace

QImage ContactSheet(const std::vector<std::vector<NamedPicture>>& groups, int scale) {
  const int width = kSheetWidth * std::max(1, scale / 2);
  std::vector<Placed> placed;
  int y = kGap;
  for (const auto& group : groups) {
    int x = kGap;
    int row_height = 0;
    for (const NamedPicture& picture : group) {
      const int w = std::max(picture.image.width() * scale, 46);
      const int h = picture.image.height() * scale + kLabelHeight;
      if (x + w > width - kGap && x > kGap) {
        x = kGap;
        y += row_height + kGap;
        row_height = 0;
      }
      placed.push_back({&picture, x, y});
      x += w + kGap;
      row_height = std::max(row_height, h);
    }
    y += row_height + 2 * kGap;
  }
  QImage sheet = NewImage(width, y, TableFelt());
  QPainter p(&sheet);
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setPixelSize(9);
  p.setFont(font);
  p.setPen(QColor(230, 240, 230));
  for (const Placed& item : placed) {
    const QImage& image = item.picture->image;
    p.drawImage(QRect(item.x, item.y, image.width() * scale, image.height() * scale), image);
    p.drawText(QRect(item.x - 4, item.y + image.height() * scale, std::max(image.width() * scale, 46) + 8, kLabelHeight),
               Qt::AlignHCenter | Qt::AlignTop, item.picture->name);
  }
  return sheet;
}

}  // namespace winpiruk::datagen

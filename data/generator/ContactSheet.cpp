#include "ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "artwork/Painting.h"

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
  int used_width = 0;
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
      used_width = std::max(used_width, x);
      row_height = std::max(row_height, h);
    }
    y += row_height + 2 * kGap;
  }
  QImage sheet = artwork::NewImage(std::min(width, used_width), y, artwork::TableFelt());
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

#include "artwork/CardFaces.h"
#include "presentation/PictureNames.h"

namespace winpiruk::datagen {

QImage MaskedOnFelt(const artwork::Banner& banner, bool vertical) {
  QImage table = artwork::NewImage(banner.picture.width(), banner.picture.height(), artwork::TableFelt());
  // A stripe of another colour shows that the surround really is clear.
  QPainter stripes(&table);
  for (int x = 0; x < table.width(); x += 24) stripes.fillRect(QRect(x, 0, 8, table.height()), QColor(200, 200, 60));
  stripes.end();
  for (int y = 0; y < table.height(); ++y) {
    QRgb* out = reinterpret_cast<QRgb*>(table.scanLine(y));
    const QRgb* mask = reinterpret_cast<const QRgb*>(banner.mask.constScanLine(y));
    const QRgb* picture = reinterpret_cast<const QRgb*>(banner.picture.constScanLine(y));
    for (int x = 0; x < table.width(); ++x) out[x] = 0xff000000u | ((out[x] & mask[x]) ^ (picture[x] & 0x00ffffffu));
  }
  QPainter p(&table);
  const int codes[] = {1, 18, 33, 51, 13};
  for (int i = 0; i < 5; ++i) {
    const PicturePoint at = BannerCardSpot(vertical, i);
    p.drawImage(at.x, at.y, artwork::DrawBannerCardFace(codes[i]));
  }
  return table;
}

}  // namespace winpiruk::datagen

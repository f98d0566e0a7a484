#include "gui/table/TableBanner.h"

#include <QPainter>
#include <algorithm>

#include "gui/common/CardPictures.h"

namespace winpiruk {

QPixmap DrawBanner(CardPictures& pictures, double zoom, QSize area, bool counter_call, int seat,
                   const BannerCards& cards) {
  QPixmap banner = pictures.Banner(counter_call, seat);
  if (banner.isNull()) return banner;
  // The calling seat's cards, in the banner's small faces, on its tray; the
  // tray's places are the file's, so they grow with the zoom.
  {
    QPainter painter(&banner);
    const bool vertical = seat == 1 || seat == 3;
    int slot = 0;
    for (int code : cards) {
      if (code == 0 || slot >= kBannerCardSlots) continue;
      const PicturePoint spot = BannerCardSpot(vertical, slot++);
      painter.drawPixmap(QPointF(spot.x * zoom, spot.y * zoom), pictures.BannerFace(code));
    }
  }
  // On a small table it is drawn smaller so that it stays whole.
  const QSize room = area * 9 / 10;
  const QSize size = banner.deviceIndependentSize().toSize();
  if (size.width() > room.width() || size.height() > room.height()) {
    const qreal device_pixel_ratio = banner.devicePixelRatio();
    banner = banner.scaled(room * device_pixel_ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    banner.setDevicePixelRatio(device_pixel_ratio);
  }
  return banner;
}

QRect BannerEnd(const TableLayout& layout, const TableScale& scale, const QRect& area, int seat, QSize size) {
  // The banner comes to rest over the caller's row, a little inside the table's edge.
  const QRect row = ScaledRect(layout.hand[seat][1], scale).united(ScaledRect(layout.hand[seat][9], scale));
  QRect end(QPoint(0, 0), size);
  if (seat == 0 || seat == 2) {
    end.moveCenter(row.center());
  } else {
    end.moveCenter(QPoint(row.center().x(), area.center().y()));
  }
  constexpr int kMargin = 4;
  end.moveLeft(std::clamp(end.left(), kMargin, std::max(kMargin, area.width() - end.width() - kMargin)));
  end.moveTop(std::clamp(end.top(), kMargin, std::max(kMargin, area.height() - end.height() - kMargin)));
  return end;
}

}  // namespace winpiruk

#pragma once
// The call and counter-call banners: the picture with the calling seat's
// cards on its tray, and where it comes to rest.
#include <QPixmap>
#include <QRect>
#include <array>

#include "gui/table/TableLayout.h"
#include "gui/table/TableScale.h"

namespace winpiruk {

class CardPictures;

// The calling seat's cards as the banner shows them.
using BannerCards = std::array<int, 10>;

// The banner at the table's zoom; on a table smaller than it, drawn smaller
// so that it stays whole in `area`.
QPixmap DrawBanner(CardPictures& pictures, double zoom, QSize area, bool counter_call, int seat,
                   const BannerCards& cards);

// Where the banner of a seat comes to rest in `area`, at its size.
QRect BannerEnd(const TableLayout& layout, const TableScale& scale, const QRect& area, int seat, QSize size);

}  // namespace winpiruk

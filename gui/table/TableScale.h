#pragma once
// The table drawn larger than designed: one zoom factor for everything on
// it, and the offset that centres the zoomed table in its area. The layout
// stays in twips; only the step to pixels knows about the zoom.
#include <QPoint>
#include <QRect>
#include <QSize>

#include "gui/table/TableLayout.h"

namespace winpiruk {

struct TableScale {
  double zoom = 1.0;
  QPoint offset;  // from the table area's corner to the layout's origin, in pixels
  bool operator==(const TableScale&) const = default;
};

// The largest factor at which the designed table fits an area of that many
// pixels, never below 1.
double TableZoom(QSize area_pixels);

// The window size, in twips, that the layout is run for at a zoom.
int UnzoomedTwips(int twips, double zoom);

// A layout rectangle on the screen: each edge to the nearest pixel, so that
// at zoom 1 without offset it is the place the table was designed with.
QRect ScaledRect(const TwipsRect& r, const TableScale& scale);

// A length of the design-size table (a font's pixel size) at a zoom.
int ScaledPixels(int pixels, double zoom);

// The scale that draws `layout` at `zoom` with the seats' rows and the piles
// centred in the area. At zoom 1 the layout keeps its own places, as on a
// table that does not grow; just above it the table eases into the middle.
TableScale CentredScale(const TableLayout& layout, double zoom, QSize area_pixels);

}  // namespace winpiruk

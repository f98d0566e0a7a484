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

// The smallest zoom: cards and labels still read, a suit told from another.
constexpr double kLeastZoom = 0.6;

// The pixels a window spends around its table area (the menu bar).
struct WindowChrome {
  QSize pixels;
};

// The table area of a window of the design size.
QSize DesignArea(WindowChrome chrome);

// The factor the table is drawn at in an area of that many pixels. A window
// smaller than designed draws the whole table smaller, never below
// kLeastZoom; with `grow`, one larger draws it larger (the largest factor at
// which the designed table fits); otherwise 1.
double TableZoom(QSize area_pixels, WindowChrome chrome, bool grow);

// The least window size: the design area at kLeastZoom and the chrome.
QSize LeastWindowSize(WindowChrome chrome);

// The window size, in twips, that the layout is run for at a zoom.
int UnzoomedTwips(int twips, double zoom);
// The same below zoom 1, where the chrome keeps its size: the area shrinks
// with the zoom, the chrome does not.
QSize UnzoomedWindowTwips(QSize window_twips, QSize area_pixels, WindowChrome chrome, double zoom);

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

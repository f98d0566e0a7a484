#include "gui/table/TableScale.h"

#include <algorithm>
#include <cmath>

#include "gui/common/Twips.h"

namespace winpiruk {
namespace {

int Round(double value) { return static_cast<int>(std::lround(value)); }

// Just above zoom 1 the table eases into the middle over this much zoom, so
// that a window dragged past the design size does not see it jump.
constexpr double kCentringRamp = 0.1;

}  // namespace

QSize DesignArea(WindowChrome chrome) {
  return QSize(PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips)) - chrome.pixels;
}

double TableZoom(QSize area_pixels, WindowChrome chrome, bool grow) {
  const QSize design_area = DesignArea(chrome);
  const double shrink = std::min(area_pixels.width() / static_cast<double>(design_area.width()),
                                 area_pixels.height() / static_cast<double>(design_area.height()));
  if (shrink < 1.0) return std::max(kLeastZoom, shrink);
  if (!grow) return 1.0;
  const double across = TwipsFromPixels(area_pixels.width()) / static_cast<double>(kDesignWidthTwips);
  const double down = TwipsFromPixels(area_pixels.height()) / static_cast<double>(kDesignHeightTwips);
  return std::max(1.0, std::min(across, down));
}

QSize LeastWindowSize(WindowChrome chrome) {
  const QSize design_area = DesignArea(chrome);
  return QSize(static_cast<int>(std::ceil(design_area.width() * kLeastZoom)),
               static_cast<int>(std::ceil(design_area.height() * kLeastZoom))) +
         chrome.pixels;
}

int UnzoomedTwips(int twips, double zoom) { return Round(twips / zoom); }

QSize UnzoomedWindowTwips(QSize window_twips, QSize area_pixels, WindowChrome chrome, double zoom) {
  if (zoom >= 1.0) return {UnzoomedTwips(window_twips.width(), zoom), UnzoomedTwips(window_twips.height(), zoom)};
  const QSize pixels(Round(area_pixels.width() / zoom) + chrome.pixels.width(),
                     Round(area_pixels.height() / zoom) + chrome.pixels.height());
  return {static_cast<int>(TwipsFromPixels(pixels.width())), static_cast<int>(TwipsFromPixels(pixels.height()))};
}

QRect ScaledRect(const TwipsRect& r, const TableScale& scale) {
  const double factor = scale.zoom / kTwipsPerPixel;
  return {scale.offset.x() + Round(r.left * factor), scale.offset.y() + Round(r.top * factor),
          Round(r.width * factor), Round(r.height * factor)};
}

int ScaledPixels(int pixels, double zoom) { return std::max(1, Round(pixels * zoom)); }

TableScale CentredScale(const TableLayout& layout, double zoom, QSize area_pixels) {
  TableScale scale{zoom, {}};
  if (zoom <= 1.0) return scale;
  QRect cards;
  // The cards of the four seats and the piles: what the eye takes for the table.
  for (const HandPlaces& hand : layout.hand) {
    for (int p = 1; p <= kHandPositions; ++p) cards |= ScaledRect(hand[p], scale);
  }
  for (const TwipsRect& pile : {layout.draw_pile, layout.discard_pile, layout.second_card}) {
    cards |= ScaledRect(pile, scale);
  }
  const QPoint centred((area_pixels.width() - cards.width()) / 2 - cards.left(),
                       (area_pixels.height() - cards.height()) / 2 - cards.top());
  const double share = std::min(1.0, (zoom - 1.0) / kCentringRamp);
  scale.offset = QPoint(Round(centred.x() * share), Round(centred.y() * share));
  return scale;
}

}  // namespace winpiruk

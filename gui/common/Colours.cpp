#include "gui/common/Colours.h"

#include "presentation/Appearance.h"

namespace winpiruk {

QColor ColourFromBgr(int32_t bgr) {
  const Rgb rgb = RgbFromBgr(bgr);
  return {rgb.red, rgb.green, rgb.blue};
}

int32_t BgrFromColour(const QColor& colour) { return BgrFromRgb({colour.red(), colour.green(), colour.blue()}); }

QColor TableFeltColour() { return {kTableFelt.red, kTableFelt.green, kTableFelt.blue}; }

}  // namespace winpiruk

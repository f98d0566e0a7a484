#pragma once
// The settings' colours on the screen.
#include <QColor>
#include <cstdint>

namespace winpiruk {

// 0x00BBGGRR of the settings to the screen's colour and back.
QColor ColourFromBgr(int32_t bgr);
int32_t BgrFromColour(const QColor& colour);

// The table's felt where no background picture covers it.
QColor TableFeltColour();

}  // namespace winpiruk

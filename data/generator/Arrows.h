#pragma once
// The turn arrows.
#include <QImage>

namespace winpiruk::datagen {

// The arrow that points at `seat` (0 bottom, 1 left, 2 top, 3 right) and
// bends in from the seat that played before it: from the right while the
// play goes clockwise (`direction` +1), from the left while it goes back.
QImage DrawArrow(int seat, int direction);

}  // namespace winpiruk::datagen

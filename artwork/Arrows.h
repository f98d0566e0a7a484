#pragma once
// The turn arrows.
#include <QImage>

namespace winpiruk::artwork {

// The arrow that points at `seat` (0 bottom, 1 left, 2 top, 3 right) and
// bends in from the seat that played before it: from the right while the
// play goes clockwise (`direction` +1), from the left while it goes back.
// Drawn `scale` times its file's size.
QImage DrawArrow(int seat, int direction, double scale = 1.0);

}  // namespace winpiruk::artwork

#pragma once
// The drawn half figures of the jack, queen and king.
#include <QPainter>
#include <QRectF>

namespace winpiruk::datagen {

// Draws the upper half of the court card of `rank` (11 jack, 12 queen,
// 13 king) of `suit` into `half`, head up. The card draws the lower half by
// turning the same drawing, as a double-headed court card is printed.
void DrawCourtHalf(QPainter& painter, int rank, int suit, const QRectF& half);

}  // namespace winpiruk::datagen

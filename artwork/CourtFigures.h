#pragma once
// The drawn figures of the jack, queen and king.
#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include "artwork/SuitShapes.h"

namespace winpiruk::artwork {

// The framed double-headed picture of the court card of `rank` (11 jack,
// 12 queen, 13 king) of `suit` in `frame`. Each suit dresses its figures in
// colours of its own and they wear its symbol large on the chest, so no two
// court cards look alike. A non-empty `notch` is cut from the frame's top
// left and bottom right corners to leave room for the corner indices.
// In a four-colour deck the figures of diamonds dress in blue and those of
// spades in charcoal, so that no suit's court is mistaken for another's.
void DrawCourt(QPainter& painter, int rank, int suit, const QRectF& frame, const QSizeF& notch,
               DeckColours colours = DeckColours::TwoColour);

}  // namespace winpiruk::artwork

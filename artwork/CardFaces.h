#pragma once
// Card faces: the table size and the smaller size shown inside the call
// banners.
#include <QImage>
#include <QRectF>
#include <QString>

#include "artwork/SuitShapes.h"

namespace winpiruk::artwork {

// code 1..52 (suit = (code - 1) / 13, rank = (code - 1) % 13 + 1), drawn
// `scale` times the files' size in the deck's colours (the files are the
// two-colour deck).
QImage DrawCardFace(int code, double scale = 1.0, DeckColours colours = DeckColours::TwoColour);
QImage DrawBannerCardFace(int code, double scale = 1.0, DeckColours colours = DeckColours::TwoColour);

// "A", "2" … "10", "J", "Q", "K".
QString RankText(int rank);

// Where the top left index of a table face is, in the face's own pixels:
// the rank's capitals fill `rank` from top to bottom, the suit fills `suit`.
struct IndexBoxes {
  QRectF rank;
  QRectF suit;
};
IndexBoxes TableFaceIndex();

}  // namespace winpiruk::artwork

#pragma once
// The four suit symbols as vector outlines, so that they stay crisp at the
// few pixels a pip has on a small card.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace winpiruk::artwork {

// The colours a deck prints its suits in: red hearts and diamonds beside
// black spades and clubs, or a four-colour deck with blue diamonds and green
// clubs, in which no two suits share a colour.
enum class DeckColours { TwoColour, FourColour };

// suit: 0 heart, 1 spade, 2 diamond, 3 clover. The outline fills the box
// from -0.5 to 0.5 in both directions, point of a heart downwards.
QPainterPath SuitPath(int suit);

QColor SuitColour(int suit, DeckColours colours = DeckColours::TwoColour);

// Fills one pip into `box`; `upside_down` turns it as the pips of the lower
// half of a card are turned.
void DrawPip(QPainter& painter, int suit, const QRectF& box, bool upside_down = false,
             DeckColours colours = DeckColours::TwoColour);

}  // namespace winpiruk::artwork

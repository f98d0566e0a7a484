#include "artwork/CardFaces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <vector>

#include "artwork/CourtFigures.h"
#include "artwork/Painting.h"
#include "artwork/SuitShapes.h"
#include "presentation/PictureNames.h"

namespace winpiruk::artwork {
namespace {

const QColor kBorder(110, 110, 116);

// The white card with its rounded corners and thin border.
void DrawBlank(QPainter& p, int width, int height, double radius) {
  p.setPen(QPen(kBorder, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), radius, radius);
}

// The rank as an outline whose capitals stand exactly the height of `box`
// on its bottom edge, narrowed where it would be wider than the box ("10").
void DrawRank(QPainter& p, int rank, int suit, const QRectF& box, DeckColours colours) {
  // Figures in the condensed face keep "10" narrow; letters in the full
  // face keep the hook of the J.
  QFont font(rank >= 2 && rank <= 10 ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
  font.setPixelSize(100);
  font.setBold(true);
  QPainterPath text;
  text.addText(0, 0, font, RankText(rank));
  const QRectF bounds = text.boundingRect();
  const double cap_height = std::max(1.0, -bounds.top());
  const double height_scale = box.height() / cap_height;
  const double width_scale = std::min(height_scale, box.width() / bounds.width());
  QTransform t;
  t.translate(box.center().x(), box.bottom());
  t.scale(width_scale, height_scale);
  t.translate(-bounds.center().x(), 0);
  p.fillPath(t.map(text), SuitColour(suit, colours));
}

void DrawIndex(QPainter& p, int rank, int suit, const IndexBoxes& boxes, DeckColours colours) {
  DrawRank(p, rank, suit, boxes.rank, colours);
  DrawPip(p, suit, boxes.suit, false, colours);
}

struct PipSpot {
  int column;  // 0 left, 1 middle, 2 right
  double row;  // 0 top … 1 bottom
};

// The pip layouts of a printed deck.
std::vector<PipSpot> PipLayout(int rank) {
  switch (rank) {
    case 2: return {{1, 0}, {1, 1}};
    case 3: return {{1, 0}, {1, 0.5}, {1, 1}};
    case 4: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
    case 5: return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
    case 6: return {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 7: return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 8: return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
    case 9:
      return {{0, 0},       {2, 0},       {0, 1.0 / 3}, {2, 1.0 / 3}, {1, 0.5},
              {0, 2.0 / 3}, {2, 2.0 / 3}, {0, 1},       {2, 1}};
    case 10:
      return {{0, 0},       {2, 0},       {1, 1.0 / 6}, {0, 1.0 / 3}, {2, 1.0 / 3},
              {0, 2.0 / 3}, {2, 2.0 / 3}, {1, 5.0 / 6}, {0, 1},       {2, 1}};
    default: return {};
  }
}

// The pips keep to the band between the two corner indices.
void DrawPips(QPainter& p, int rank, int suit, DeckColours colours) {
  constexpr std::array<double, 3> kColumns = {16.4, 21.0, 25.6};
  constexpr double kTop = 9.5;
  constexpr double kBottom = 50.5;
  constexpr double kPipWidth = 5.6;
  constexpr double kPipHeight = 6.4;
  for (const PipSpot& spot : PipLayout(rank)) {
    const double x = kColumns[static_cast<size_t>(spot.column)];
    const double y = kTop + spot.row * (kBottom - kTop);
    DrawPip(p, suit, QRectF(x - kPipWidth / 2, y - kPipHeight / 2, kPipWidth, kPipHeight), spot.row > 0.5, colours);
  }
}

void DrawAce(QPainter& p, int suit, const QRectF& card, double size, DeckColours colours) {
  const QPointF c = card.center();
  if (suit == 1) {
    // The ace of spades carries the deck's ornament: a ring round a larger pip.
    p.setPen(QPen(QColor(150, 120, 60), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, size * 0.6, size * 0.7);
    size *= 1.05;
  }
  DrawPip(p, suit, QRectF(c.x() - size / 2, c.y() - size * 0.55, size, size * 1.1), false, colours);
}

// Draws the corner index in the top left and, turned, in the bottom right.
template <typename Draw>
void BothCorners(QPainter& p, const QRectF& card, Draw draw) {
  draw();
  p.save();
  p.translate(card.center());
  p.rotate(180);
  p.translate(-card.center());
  draw();
  p.restore();
}

// The small face's picture beside its index: one large pip with the rank
// again under it, so a row of small cards reads at a glance.
void DrawBannerPip(QPainter& p, int rank, int suit, DeckColours colours) {
  const double size = rank == 1 ? 15 : 12;
  const QPointF c(17.5, rank == 1 ? 22.0 : 18.5);
  DrawPip(p, suit, QRectF(c.x() - size / 2, c.y() - size * 0.55, size, size * 1.1), false, colours);
  if (rank > 1) DrawRank(p, rank, suit, QRectF(11.5, 28.5, 12, 6.5), colours);
}

}  // namespace

QString RankText(int rank) {
  switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
  }
}

IndexBoxes TableFaceIndex() { return {QRectF(1, 2, 11, 11), QRectF(1, 14.5, 11, 12)}; }

QImage DrawCardFace(int code, double scale, DeckColours colours) {
  const int suit = (code - 1) / 13;
  const int rank = (code - 1) % 13 + 1;
  QImage image = NewImage(kCardWidth, kCardHeight, TableFelt(), scale);
  QPainter p(&image);
  MakeSmooth(p);
  ScaleToUnits(p, image, kCardWidth, kCardHeight);
  const QRectF card(0, 0, kCardWidth, kCardHeight);
  DrawBlank(p, kCardWidth, kCardHeight, 3.5);
  if (rank == 1) {
    DrawAce(p, suit, card, 18, colours);
  } else if (rank <= 10) {
    DrawPips(p, rank, suit, colours);
  } else {
    // The picture's frame leaves a notch for each index.
    DrawCourt(p, rank, suit, QRectF(7.5, 3.5, 27, 53), QSizeF(5.5, 24.5), colours);
  }
  BothCorners(p, card, [&] { DrawIndex(p, rank, suit, TableFaceIndex(), colours); });
  return image;
}

QImage DrawBannerCardFace(int code, double scale, DeckColours colours) {
  const int suit = (code - 1) / 13;
  const int rank = (code - 1) % 13 + 1;
  QImage image = NewImage(kBannerCardWidth, kBannerCardHeight, TableFelt(), scale);
  QPainter p(&image);
  MakeSmooth(p);
  ScaleToUnits(p, image, kBannerCardWidth, kBannerCardHeight);
  DrawBlank(p, kBannerCardWidth, kBannerCardHeight, 2.5);
  // A small card has room for one large index and one large pip or picture
  // beside it; that reads better inside a banner than shrunken pip rows.
  DrawIndex(p, rank, suit, {QRectF(1, 2, 8.5, 8.5), QRectF(1.25, 12, 8, 8.5)}, colours);
  if (rank <= 10) {
    DrawBannerPip(p, rank, suit, colours);
  } else {
    DrawCourt(p, rank, suit, QRectF(10.5, 3.5, 15, 33), QSizeF(), colours);
  }
  return image;
}

}  // namespace winpiruk::artwork

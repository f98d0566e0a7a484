#include "CardFaces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <array>
#include <vector>

#include "CourtFigures.h"
#include "Painting.h"
#include "SuitShapes.h"
#include "presentation/PictureNames.h"

namespace winpiruk::datagen {
namespace {

const QColor kBorder(110, 110, 116);
const QColor kCourtFrame(176, 150, 90);

// The white card with its rounded corners and thin border.
void DrawBlank(QPainter& p, int width, int height, double radius) {
  p.setPen(QPen(kBorder, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), radius, radius);
}

// The rank and a small suit in the top left corner; the caller turns the
// painter for the bottom right one.
void DrawIndex(QPainter& p, int rank, int suit, const QRectF& column, double text_px, double pip_height) {
  // Letters in the full-width face read better small (the hook of the J);
  // figures in the condensed one keep "10" narrow.
  QFont font(rank >= 2 && rank <= 10 ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(text_px));
  font.setBold(true);
  font.setHintingPreference(QFont::PreferFullHinting);
  p.save();
  p.setFont(font);
  p.setPen(SuitColour(suit));
  const QRectF text_box(column.left(), column.top(), column.width(), text_px + 1);
  if (rank == 10) {
    // "10" is set one pixel smaller with its figures close together, so the
    // column stays as narrow as for one figure.
    font.setPixelSize(static_cast<int>(text_px) - 1);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1.0);
    p.setFont(font);
    const double width = QFontMetricsF(font).horizontalAdvance(QStringLiteral("10")) + 1.0;
    p.drawText(QRectF(column.center().x() - width / 2, text_box.top(), width, text_box.height()),
               Qt::AlignCenter, RankText(rank));
  } else {
    p.drawText(text_box.adjusted(-3, 0, 3, 0), Qt::AlignCenter, RankText(rank));
  }
  p.restore();
  const double pip_width = pip_height * 0.86;
  DrawPip(p, suit, QRectF(column.center().x() - pip_width / 2, text_box.bottom() + 0.5, pip_width, pip_height));
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

void DrawPips(QPainter& p, int rank, int suit) {
  constexpr std::array<double, 3> kColumns = {13.0, 21.0, 29.0};
  constexpr double kTop = 11.5;
  constexpr double kBottom = 48.5;
  constexpr double kPipWidth = 7.6;
  constexpr double kPipHeight = 8.4;
  for (const PipSpot& spot : PipLayout(rank)) {
    const double x = kColumns[static_cast<size_t>(spot.column)];
    const double y = kTop + spot.row * (kBottom - kTop);
    DrawPip(p, suit, QRectF(x - kPipWidth / 2, y - kPipHeight / 2, kPipWidth, kPipHeight), spot.row > 0.5);
  }
}

void DrawAce(QPainter& p, int suit, const QRectF& card, double size) {
  const QPointF c = card.center();
  if (suit == 1) {
    // The ace of spades carries the deck's ornament: a ring round a larger pip.
    p.setPen(QPen(QColor(150, 120, 60), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, size * 0.62, size * 0.72);
    size *= 1.05;
  }
  DrawPip(p, suit, QRectF(c.x() - size / 2, c.y() - size * 0.55, size, size * 1.1));
}

// The framed double-headed picture of a court card.
void DrawCourt(QPainter& p, int rank, int suit, const QRectF& frame) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 251, 238));
  p.drawRect(frame);
  const QRectF half(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  DrawCourtHalf(p, rank, suit, half);
  p.translate(frame.center());
  p.rotate(180);
  p.translate(-frame.center());
  DrawCourtHalf(p, rank, suit, half);
  p.restore();
  p.setPen(QPen(kCourtFrame, 0.8));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  p.setPen(QPen(kCourtFrame, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
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

QImage DrawCardFace(int code) {
  const int suit = (code - 1) / 13;
  const int rank = (code - 1) % 13 + 1;
  QImage image = NewImage(kCardWidth, kCardHeight, TableFelt());
  QPainter p(&image);
  MakeSmooth(p);
  const QRectF card(0, 0, kCardWidth, kCardHeight);
  DrawBlank(p, kCardWidth, kCardHeight, 3.5);
  BothCorners(p, card, [&] { DrawIndex(p, rank, suit, QRectF(1, 2.5, 7.5, 9), 9.5, 6.2); });
  if (rank == 1) {
    DrawAce(p, suit, card, 20);
  } else if (rank <= 10) {
    DrawPips(p, rank, suit);
  } else {
    DrawCourt(p, rank, suit, QRectF(9.5, 5.5, 23, 49));
  }
  return image;
}

QImage DrawBannerCardFace(int code) {
  const int suit = (code - 1) / 13;
  const int rank = (code - 1) % 13 + 1;
  QImage image = NewImage(kBannerCardWidth, kBannerCardHeight, TableFelt());
  QPainter p(&image);
  MakeSmooth(p);
  const QRectF card(0, 0, kBannerCardWidth, kBannerCardHeight);
  DrawBlank(p, kBannerCardWidth, kBannerCardHeight, 2.5);
  // A small card has room for one large index and one large pip or picture
  // beside it; that reads better inside a banner than shrunken pip rows.
  DrawIndex(p, rank, suit, QRectF(1, 1.5, 8, 10), 10, 5.6);
  if (rank <= 10) {
    const double size = rank == 1 ? 15 : 12;
    const QPointF c(17.5, rank == 1 ? 22.0 : 18.5);
    DrawPip(p, suit, QRectF(c.x() - size / 2, c.y() - size * 0.55, size, size * 1.1));
    if (rank > 1) {
      // The rank again under the pip, so a row of small cards reads at a glance.
      QFont font(QStringLiteral("DejaVu Sans Condensed"));
      font.setPixelSize(8);
      font.setBold(true);
      p.setFont(font);
      p.setPen(SuitColour(suit));
      p.drawText(QRectF(9, 27.5, 17, 10), Qt::AlignCenter, RankText(rank));
    }
  } else {
    DrawCourt(p, rank, suit, QRectF(10.5, 3.5, 15, 33));
  }
  return image;
}

}  // namespace winpiruk::datagen

#include "gui/table/TableWidgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "config/NumberText.h"
#include "gui/common/Colours.h"
#include <QCoreApplication>

namespace winpiruk {
namespace {

TablePicture* MakePicture(QWidget* table, const QString& name) {
  auto* picture = new TablePicture(table);
  picture->setObjectName(name);
  picture->hide();
  return picture;
}

TableText* MakeLabel(QWidget* table, const QString& name) {
  auto* label = new TableText(table);
  label->setObjectName(name);
  label->hide();
  return label;
}

// The music picture: a pair of quavers, drawn at the table's zoom in the
// screen's own pixels.
QPixmap MusicPicture(double zoom, double device_pixel_ratio) {
  constexpr int kSize = 32;
  const double scale = zoom * device_pixel_ratio;
  const int pixels = std::max(1, static_cast<int>(std::lround(kSize * scale)));
  QPixmap picture(pixels, pixels);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 236, 140));
  painter.drawEllipse(QRectF(5, 21, 9, 7));
  painter.drawEllipse(QRectF(18, 18, 9, 7));
  painter.drawRect(QRectF(12, 6, 2.2, 19));
  painter.drawRect(QRectF(25, 3, 2.2, 19));
  QPainterPath beam;
  beam.moveTo(12, 6);
  beam.lineTo(27.2, 3);
  beam.lineTo(27.2, 8);
  beam.lineTo(12, 11);
  beam.closeSubpath();
  painter.drawPath(beam);
  painter.end();
  picture.setDevicePixelRatio(device_pixel_ratio);
  return picture;
}

QString Numbered(const char* role, int number) { return QString::fromLatin1(role) + QString::number(number); }

// The pictures are made in the order they stack until the first layout
// raises the rows: the user's hand, the piles, the right seat from its last
// position, the top and the left seats, the second card, the back design and
// the music. The hand cards are named "handCard<seat>_<position>".
void MakePictures(TableWidgets& w, QWidget* table) {
  const auto hand_card = [&](int seat, int p) {
    w.handCards[seat][p] = MakePicture(table, QStringLiteral("handCard%1_%2").arg(seat).arg(p));
  };
  for (int p = 1; p <= kHandPositions; ++p) hand_card(0, p);
  w.drawPile = MakePicture(table, QStringLiteral("drawPile"));
  w.discardPile = MakePicture(table, QStringLiteral("discardPile"));
  for (int p = kHandPositions; p >= 1; --p) hand_card(3, p);
  for (int p = 1; p <= kHandPositions; ++p) hand_card(2, p);
  for (int p = 1; p <= kHandPositions; ++p) hand_card(1, p);
  w.secondCard = MakePicture(table, QStringLiteral("secondCard"));
  w.cardBack = MakePicture(table, QStringLiteral("cardBack"));
  w.musicPicture = MakePicture(table, QStringLiteral("musicPicture"));
}

// The labels, in the order they stack: the seats' names, counts and scores
// (named "seatNameLabel<seat>" and so on), the messages, the key guides.
void MakeLabels(TableWidgets& w, QWidget* table) {
  for (int seat = 0; seat < kSeats; ++seat) w.seatLabels[seat].name = MakeLabel(table, Numbered("seatNameLabel", seat));
  for (int seat = 0; seat < kSeats; ++seat) w.seatLabels[seat].count = MakeLabel(table, Numbered("cardCountLabel", seat));
  for (int seat = 0; seat < kSeats; ++seat) w.seatLabels[seat].score = MakeLabel(table, Numbered("scoreLabel", seat));
  w.dealerChoiceLabel = MakeLabel(table, QStringLiteral("dealerChoiceLabel"));
  w.reuseLabel = MakeLabel(table, QStringLiteral("reuseLabel"));
  w.promptLabel = MakeLabel(table, QStringLiteral("promptLabel"));
  for (int p = 1; p <= kHandPositions; ++p) w.handKeyGuides[p] = MakeLabel(table, Numbered("handKeyGuide", p));
  w.discardPileGuide = MakeLabel(table, QStringLiteral("discardPileGuide"));
  w.secondCardGuide = MakeLabel(table, QStringLiteral("secondCardGuide"));
  w.drawPileGuide = MakeLabel(table, QStringLiteral("drawPileGuide"));
  w.extraNumberLabel = MakeLabel(table, QStringLiteral("extraNumberLabel"));
}

void SetUpLabels(const TableWidgets& w) {
  for (const SeatLabels& seat : w.seatLabels) seat.name->SetElided(true);
  for (TableText* label : {w.dealerChoiceLabel, w.reuseLabel, w.extraNumberLabel}) label->setAlignment(Qt::AlignCenter);
  for (int p = 1; p <= kHandPositions; ++p) w.handKeyGuides[p]->setAlignment(Qt::AlignCenter);
  for (TableText* guide : {w.drawPileGuide, w.discardPileGuide, w.secondCardGuide}) guide->setAlignment(Qt::AlignCenter);
  w.dealerChoiceLabel->setText(QCoreApplication::translate("GameTexts", "好きな方を取ってください ."));
  w.reuseLabel->setText(QCoreApplication::translate("GameTexts", "場札を再度使います."));
  w.extraNumberLabel->setText(QCoreApplication::translate("GameTexts", "ｴｸｽﾄﾗﾅﾝﾊﾞｰ"));
}

void Colour(QLabel* label, const TextColour& text, int16_t background_flag) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourFromBgr(text.colour));
  palette.setColor(QPalette::Window, background_flag == 1 ? Qt::white : Qt::black);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
}

void PlaceLabel(TableText* label, const TwipsRect& place, const TableScale& scale) {
  label->SetPlace(ScaledRect(place, scale));
  label->Refit();
}

}  // namespace

TableWidgets MakeTableWidgets(QWidget* table, const TableScale& scale) {
  TableWidgets w;
  MakePictures(w, table);
  w.drawPile->setToolTip(QCoreApplication::translate("TableWidgets", "ここをクリックすると、１枚引けます"));
  w.musicPicture->setToolTip(QCoreApplication::translate("TableWidgets", "ここをダブルクリックすれば、BGMを１曲進めることができます"));
  w.musicPicture->ShowDrawn([table, &scale] { return MusicPicture(scale.zoom, table->devicePixelRatioF()); });
  w.musicPicture->show();
  MakeLabels(w, table);
  SetUpLabels(w);
  w.turnArrow = MakePicture(table, QStringLiteral("turnArrow"));
  w.banner = MakePicture(table, QStringLiteral("banner"));
  w.banner->setAttribute(Qt::WA_TransparentForMouseEvents);
  w.movingCard = MakePicture(table, QStringLiteral("movingCard"));
  w.movingCard->setAttribute(Qt::WA_TransparentForMouseEvents);
  return w;
}

TablePicture* PositionPicture(const TableWidgets& w, int position) {
  switch (position) {
    case kPosDrawPile: return w.drawPile;
    case kPosDiscardPile: return w.discardPile;
    case kPosSecondCard: return w.secondCard;
    default: return position >= 1 && position <= kHandPositions ? w.handCards[0][position] : nullptr;
  }
}

TableText* PositionGuide(const TableWidgets& w, int position) {
  switch (position) {
    case kPosDrawPile: return w.drawPileGuide;
    case kPosDiscardPile: return w.discardPileGuide;
    case kPosSecondCard: return w.secondCardGuide;
    default: return position >= 1 && position <= kHandPositions ? w.handKeyGuides[position] : nullptr;
  }
}

void ForEachCardPicture(const TableWidgets& w, const std::function<void(TablePicture*)>& visit) {
  for (const auto& seat : w.handCards) {
    for (int p = 1; p <= kHandPositions; ++p) visit(seat[p]);
  }
  for (TablePicture* picture : {w.drawPile, w.discardPile, w.secondCard, w.cardBack, w.musicPicture}) visit(picture);
}

void ForEachLabel(const TableWidgets& w, const std::function<void(TableText*)>& visit) {
  for (const SeatLabels& seat : w.seatLabels) {
    for (TableText* label : {seat.name, seat.count, seat.score}) visit(label);
  }
  for (TableText* label : {w.dealerChoiceLabel, w.reuseLabel, w.promptLabel, w.extraNumberLabel, w.drawPileGuide,
                           w.discardPileGuide, w.secondCardGuide}) {
    visit(label);
  }
  for (int p = 1; p <= kHandPositions; ++p) visit(w.handKeyGuides[p]);
}

void PlaceTableWidgets(const TableWidgets& w, const TableLayout& layout, const TableScale& scale) {
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int p = 1; p <= kHandPositions; ++p) w.handCards[seat][p]->setGeometry(ScaledRect(layout.hand[seat][p], scale));
  }
  w.drawPile->setGeometry(ScaledRect(layout.draw_pile, scale));
  w.discardPile->setGeometry(ScaledRect(layout.discard_pile, scale));
  w.secondCard->setGeometry(ScaledRect(layout.second_card, scale));
  w.cardBack->setGeometry(ScaledRect(layout.draw_pile, scale));
  w.musicPicture->setGeometry(ScaledRect(layout.music, scale));

  for (int seat = 0; seat < kSeats; ++seat) {
    const SeatLabelPlaces& places = layout.seat_labels[seat];
    PlaceLabel(w.seatLabels[seat].name, places.name, scale);
    PlaceLabel(w.seatLabels[seat].count, places.count, scale);
    PlaceLabel(w.seatLabels[seat].score, places.score, scale);
  }
  PlaceLabel(w.dealerChoiceLabel, layout.dealer_choice, scale);
  PlaceLabel(w.reuseLabel, layout.dealer_choice, scale);
  PlaceLabel(w.promptLabel, layout.prompt, scale);
  for (int p = 1; p <= kHandPositions; ++p) PlaceLabel(w.handKeyGuides[p], layout.hand_guide[p], scale);
  PlaceLabel(w.discardPileGuide, layout.discard_guide, scale);
  PlaceLabel(w.secondCardGuide, layout.second_guide, scale);
  PlaceLabel(w.drawPileGuide, layout.draw_guide, scale);
  PlaceLabel(w.extraNumberLabel, layout.extra_number, scale);

  // Later cards of a row lie over earlier ones, as the rows are drawn.
  for (TablePicture* pile : {w.drawPile, w.discardPile, w.secondCard}) pile->raise();
  for (const auto& seat : w.handCards) {
    for (int p = 1; p <= kHandPositions; ++p) seat[p]->raise();
  }
  w.turnArrow->raise();
  w.banner->raise();
  w.movingCard->raise();
}

void ClearTableWidgets(const TableWidgets& w, bool seat_labels) {
  for (const auto& seat : w.handCards) {
    for (int p = 1; p <= kHandPositions; ++p) seat[p]->hide();
  }
  for (TablePicture* picture : {w.drawPile, w.discardPile, w.secondCard, w.turnArrow, w.banner, w.movingCard}) {
    picture->hide();
  }
  for (TableText* label : {w.dealerChoiceLabel, w.reuseLabel, w.promptLabel, w.extraNumberLabel}) label->hide();
  for (int position : {kPosDrawPile, kPosDiscardPile, kPosSecondCard, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
    TableText* guide = PositionGuide(w, position);
    guide->clear();
    guide->hide();
  }
  if (!seat_labels) return;
  for (const SeatLabels& seat : w.seatLabels) {
    for (TableText* label : {seat.name, seat.count, seat.score}) label->hide();
  }
}

void ColourTableLabels(const TableWidgets& w, const Settings& s) {
  for (const SeatLabels& seat : w.seatLabels) {
    Colour(seat.name, s.PlayerNames, s.PlayerNames.background);
    // The card counts share the names' background.
    Colour(seat.count, s.NumberOfCard, s.PlayerNames.background);
    Colour(seat.score, s.PlayerScore, s.PlayerScore.background);
  }
  for (TableText* label : {w.reuseLabel, w.promptLabel}) Colour(label, s.Message_1, s.Message_1.background);
  for (TableText* label : {w.dealerChoiceLabel, w.extraNumberLabel, w.drawPileGuide, w.discardPileGuide,
                           w.secondCardGuide}) {
    Colour(label, s.Message_2, s.Message_2.background);
  }
  for (int p = 1; p <= kHandPositions; ++p) Colour(w.handKeyGuides[p], s.Message_2, s.Message_2.background);
}

void ShowSeatLabels(const TableWidgets& w, const GameState& state) {
  const bool shown = state.match.MatchInProgress;
  for (int seat = 0; seat < kSeats; ++seat) {
    const SeatLabels& labels = w.seatLabels[seat];
    labels.name->ShowText(QString::fromStdString(state.match.SeatName[seat]));
    labels.score->ShowText(
        QCoreApplication::translate("TableWidgets", "[%1点 ]").arg(QString::fromStdString(NumberText(state.match.Score[seat]))));
    labels.name->setVisible(shown);
    labels.score->setVisible(shown);
    if (!shown) labels.count->hide();
  }
}

}  // namespace winpiruk

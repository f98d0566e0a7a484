#pragma once
// The pictures and labels drawn on the table, by role, and how they follow
// the layout, the settings' colours and the seats' names and scores.
#include <QRect>
#include <array>
#include <functional>

#include "gui/table/TableLayout.h"
#include "gui/table/TablePicture.h"
#include "gui/table/TableScale.h"
#include "state/GameState.h"

namespace winpiruk {

// A seat's name, the cards in its hand and its score.
struct SeatLabels {
  TableText* name = nullptr;
  TableText* count = nullptr;
  TableText* score = nullptr;
};

// Every widget is a child of the table area, which deletes them.
struct TableWidgets {
  std::array<std::array<TablePicture*, kHandPositions + 1>, kSeats> handCards{};  // [seat][position], [0] unused
  TablePicture* drawPile = nullptr;
  TablePicture* discardPile = nullptr;
  TablePicture* secondCard = nullptr;
  TablePicture* cardBack = nullptr;  // the back design on the table, under the draw pile
  TablePicture* musicPicture = nullptr;
  TablePicture* turnArrow = nullptr;
  TablePicture* banner = nullptr;      // the call and counter-call banners
  TablePicture* movingCard = nullptr;  // the card of the deal and draw animations

  std::array<SeatLabels, kSeats> seatLabels{};
  TableText* dealerChoiceLabel = nullptr;
  TableText* reuseLabel = nullptr;
  TableText* promptLabel = nullptr;  // the countdown and the further-discard prompts
  TableText* extraNumberLabel = nullptr;
  std::array<TableText*, kHandPositions + 1> handKeyGuides{};  // [position], [0] unused
  TableText* drawPileGuide = nullptr;
  TableText* discardPileGuide = nullptr;
  TableText* secondCardGuide = nullptr;
};

// Makes every picture and label on `table`, hidden but for the music
// picture, which is drawn at the scale's zoom.
TableWidgets MakeTableWidgets(QWidget* table, const TableScale& scale);

// The picture of a table position: the user's hand positions 1..9 and the
// piles; nullptr for any other.
TablePicture* PositionPicture(const TableWidgets& w, int position);
// The key guide under a user's hand position or a pile.
TableText* PositionGuide(const TableWidgets& w, int position);

// Every picture that shows a card or the music, and every text label.
void ForEachCardPicture(const TableWidgets& w, const std::function<void(TablePicture*)>& visit);
void ForEachLabel(const TableWidgets& w, const std::function<void(TableText*)>& visit);

// Places every picture and label for the layout at the scale, and stacks the
// cards of each row over the earlier ones.
void PlaceTableWidgets(const TableWidgets& w, const TableLayout& layout, const TableScale& scale);

// An empty table: no card, arrow, banner, message or key guide; with
// `seat_labels`, no seat's name, count or score either.
void ClearTableWidgets(const TableWidgets& w, bool seat_labels);

// The labels' colours from the settings.
void ColourTableLabels(const TableWidgets& w, const Settings& settings);

// The seats' names and scores from the state; shown while a match is on.
void ShowSeatLabels(const TableWidgets& w, const GameState& state);

}  // namespace winpiruk

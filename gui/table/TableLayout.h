#pragma once
// Where every picture and label of the table sits, in twips inside the
// table area, for a window of a given outer size. The table is designed for
// 8115 × 5385 twips; a larger window shares its extra size out by fixed
// fractions, a smaller one keeps the designed places.
#include <array>

#include "engine/TableView.h"
#include "state/GameState.h"
#include "state/Settings.h"

namespace winpiruk {

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const TwipsRect&) const = default;
};

// Hand positions run 1..9 as in the hands of the state; index 0 is unused.
constexpr int kHandPositions = 9;
using HandPlaces = std::array<TwipsRect, kHandPositions + 1>;

// A seat's name, the cards in its hand and its score, one under the other.
struct SeatLabelPlaces {
  TwipsRect name;
  TwipsRect count;
  TwipsRect score;
  bool operator==(const SeatLabelPlaces&) const = default;
};

struct TableLayout {
  std::array<HandPlaces, kSeats> hand{};  // [seat][position]
  TwipsRect draw_pile;
  TwipsRect discard_pile;
  TwipsRect second_card;  // the dealer's second choice, later the extra number card
  TwipsRect music;        // the music picture beside the piles
  std::array<SeatLabelPlaces, kSeats> seat_labels{};
  HandPlaces hand_guide{};  // the user's key guides, under the hand positions
  TwipsRect draw_guide;
  TwipsRect discard_guide;
  TwipsRect second_guide;
  TwipsRect dealer_choice;  // the dealer's choice prompt, and in its place the reuse message
  TwipsRect prompt;         // the countdown and the further-discard prompts
  TwipsRect extra_number;   // the extra number's title over the second card
  std::array<TwipsRect, kSeats> arrow{};  // the turn arrow beside each seat
  int user_card_step = 0;                 // distance between the user's cards
  bool operator==(const TableLayout&) const = default;
};

// The place of a table position: hand position 1..9 of the user, or one of
// the piles (kPosDrawPile, kPosDiscardPile, kPosSecondCard).
TwipsRect PositionPlace(const TableLayout& t, int position);

// The layout for a window whose outer size is table_width × table_height
// twips. The settings give HorizonCardPos, VerticalCardPos and whether the key
// guides are shown.
TableLayout LayoutTable(int table_width, int table_height, const Settings& settings);

}  // namespace winpiruk

#pragma once
// Where the table's hints sit, taken from the places of what they speak
// about, so that they move with the rows and piles.
#include "gui/table/TableLayout.h"

namespace winpiruk {

// Why a pick was refused: right of the user's turn arrow, over the far end
// of the user's row, clear of its cards.
TwipsRect RefusalPlace(const TableLayout& t);

// A waiting penalty: under the discard pile, clear of the draw pile's key
// guide, and above the place of the dealer's choice and the reuse message.
TwipsRect PenaltyPlace(const TableLayout& t);

}  // namespace winpiruk

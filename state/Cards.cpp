#include "state/Cards.h"

namespace winpiruk {

void RecomputeCallNumbers(HandRow& row) {
  int sum = 0;
  int lowest = 14;  // an ace is held when the lowest rank is 1
  int product = 1;
  bool product_valid = true;
  // Rows are packed: the first empty slot ends the cards.
  for (int slot = 1; slot <= 10; ++slot) {
    const int rank = CardRank(row[slot]);
    if (rank <= 0) break;
    sum += rank;
    lowest = rank < lowest ? rank : lowest;
    // The product never falls, so once above 999 it stays there, and every
    // further card finds it so.
    if (product <= 999) {
      product *= rank;
    } else {
      product_valid = false;
    }
  }
  row[kHandSum] = static_cast<int16_t>(sum);
  row[kHandRaisedSum] = static_cast<int16_t>(lowest == 1 ? sum + 10 : 0);
  // Every card counted adds at least 1 to the sum.
  row[kHandProduct] = static_cast<int16_t>(sum > 0 && product_valid ? product : 0);
}

}  // namespace winpiruk

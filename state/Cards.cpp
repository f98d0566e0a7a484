#include "state/Cards.h"

namespace winpiruk {

void RecomputeCallNumbers(HandRow& row) {
  int sum = 0;
  bool has_ace = false;
  int product = 1;
  bool product_valid = true;
  bool any_card = false;
  // Rows are packed: the first empty slot ends the cards.
  for (int slot = 1; slot <= 10; ++slot) {
    const int rank = CardRank(row[slot]);
    if (rank <= 0) break;
    any_card = true;
    sum += rank;
    has_ace = has_ace || rank == 1;
    // The product never falls, so once above 999 it stays there, and every
    // further card finds it so.
    if (product <= 999) {
      product *= rank;
    } else {
      product_valid = false;
    }
  }
  row[kHandSum] = static_cast<int16_t>(sum);
  row[kHandRaisedSum] = static_cast<int16_t>(has_ace ? sum + 10 : 0);
  row[kHandProduct] = static_cast<int16_t>(any_card && product_valid ? product : 0);
}

}  // namespace winpiruk

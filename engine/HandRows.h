#pragma once
// Small operations on a row of Hands that the engine's steps share.
#include "state/GameState.h"

namespace winpiruk {

inline constexpr int kDeckEnd = 52;  // DrawIndex when the deck has run out

// Takes the card at `slot` out of a row and closes the gap.
inline void RemoveFromRow(HandRow& row, int slot) {
  // Over all nine slots, so that the shift stays a few instructions in line.
  for (int k = 1; k < 10; ++k) row[k] = k < slot ? row[k] : row[k + 1];
  row[10] = 0;
}

inline int FirstSlotHolding(const HandRow& row, int code) {
  for (int slot = 1; slot <= 10; ++slot) {
    if (row[slot] == code) return slot;
  }
  return 0;
}

}  // namespace winpiruk

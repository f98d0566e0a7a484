#pragma once
// The table's invariants, checked by the headless runner after every move
// and by the tests: every card in exactly one place, hands packed, counts
// and indexes in range.
#include <string>

#include "state/Piruk930.h"

namespace winpiruk {

enum class TableMoment {
  DuringHand,  // between moves
  HandOver,    // at the end of a hand: a called computer discard is still counted
};

// The first rule a table breaks, with the numbers that place it (-1 when
// unused). A sound table gives `Fault::None`.
struct TableFinding {
  enum class Fault {
    None,
    Dealer,
    CurrentSeat,
    Direction,
    DrawIndex,
    DrawIndexOnSlot52,
    DiscardIndex,
    Slot52Written,
    NegativePenalty,
    EndCode,
    EmptyCardSlot,
    NoEmptySlotAfterPile,
    CardAfterReusedDeck,
    HandNotPacked,
    HandCount,
    NoCardCode,
    CardMissing,
    PlaceCount,
  };
  Fault fault = Fault::None;
  int a = -1;
  int b = -1;
};

// The one check: walks the table once and stops at the first fault.
TableFinding FindTableFault(const Piruk930& state, TableMoment moment);

inline bool TableIsSound(const Piruk930& state, TableMoment moment) {
  return FindTableFault(state, moment).fault == TableFinding::Fault::None;
}

// Empty when the table is sound, else what is wrong (first fault only).
std::string CheckTableInvariants(const Piruk930& state, TableMoment moment);

}  // namespace winpiruk

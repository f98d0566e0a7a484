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

// The fast test, run after every move of the runner.
bool TableIsSound(const Piruk930& state, TableMoment moment);

// The slow, exact reading of the same rules: what is wrong, or empty. The
// tests hold the fast test to it.
std::string DiagnoseTable(const Piruk930& state, TableMoment moment);

// Empty when the table is sound, else what is wrong (first fault only).
std::string CheckTableInvariants(const Piruk930& state, TableMoment moment);

}  // namespace winpiruk

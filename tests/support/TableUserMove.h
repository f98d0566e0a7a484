#pragma once
// A user's move for tests that play whole matches: chosen among the legal
// picks from the table alone, so that a match taken up again is given the
// same moves as the one it was kept from.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/LegalPicks.h"
#include "state/GameState.h"

namespace winpiruk::testing {

inline int16_t TableUserMove(const GameState& s) {
  const LegalPicks legal = LegalUserPicks(s.table, s.settings);
  std::vector<int16_t> allowed;
  for (const int16_t pick : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 39, 99}) {
    if (legal.Allows(pick)) allowed.push_back(pick);
  }
  if (allowed.empty()) return kPickNone;
  return allowed[static_cast<std::size_t>(s.table.DrawIndex + s.table.DiscardIndex) % allowed.size()];
}

}  // namespace winpiruk::testing

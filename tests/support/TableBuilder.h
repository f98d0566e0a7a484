#pragma once
// Builds tables for the engine tests: cards by suit and rank, hands, and a
// whole table with every card in its place.
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "state/Cards.h"
#include "state/GameState.h"
#include "state/Settings.h"

namespace winpiruk::testing {

constexpr int16_t H(int rank) { return static_cast<int16_t>(rank); }
constexpr int16_t S(int rank) { return static_cast<int16_t>(13 + rank); }
constexpr int16_t D(int rank) { return static_cast<int16_t>(26 + rank); }
constexpr int16_t C(int rank) { return static_cast<int16_t>(39 + rank); }

inline void SetHand(GameState& s, int seat, std::initializer_list<int16_t> cards) {
  auto& row = s.table.Hands[seat];
  row.fill(0);
  int slot = 1;
  for (const int16_t code : cards) row[slot++] = code;
  row[kHandCount] = static_cast<int16_t>(cards.size());
  RecomputeCallNumbers(row);
}

// A table in the middle of a hand with the user to move: the given hands,
// `top` as the initial card on the pile, `next_draws` on top of the deck and
// every other card below them in code order. Settings are the defaults with
// one hand a match, no pauses and no speed pauses.
struct TableSetup {
  std::vector<int16_t> hands[4];
  int16_t top = 0;
  std::vector<int16_t> next_draws;
};

inline GameState BuildTable(const TableSetup& setup) {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.NumberOfGames = 1;
  s.settings.GameSpeed = 3;
  s.table.HandNumber = 1;
  s.match.MatchInProgress = true;
  std::vector<bool> used(53, false);
  for (int seat = 0; seat < 4; ++seat) {
    auto& row = s.table.Hands[seat];
    row.fill(0);
    int slot = 1;
    for (const int16_t code : setup.hands[seat]) {
      row[slot++] = code;
      used[code] = true;
    }
    row[kHandCount] = static_cast<int16_t>(setup.hands[seat].size());
    RecomputeCallNumbers(row);
  }
  used[setup.top] = true;
  s.table.DeckSlots.fill(0);
  s.table.DeckSlots[53] = setup.top;
  s.table.TopDiscard = setup.top;
  // Undrawn cards fill the deck's end: slots 52 − count .. 51.
  std::vector<int16_t> rest(setup.next_draws.begin(), setup.next_draws.end());
  for (const int16_t code : setup.next_draws) used[code] = true;
  for (int code = 1; code <= 52; ++code) {
    if (!used[code]) rest.push_back(static_cast<int16_t>(code));
  }
  s.table.DrawIndex = static_cast<int16_t>(52 - rest.size());
  for (std::size_t i = 0; i < rest.size(); ++i) s.table.DeckSlots[s.table.DrawIndex + i] = rest[i];
  // The dealt cards that are no longer in play sit below DrawIndex.
  for (int i = 0; i < s.table.DrawIndex; ++i) s.table.DeckSlots[i] = 0;
  s.table.DiscardIndex = 54;
  s.table.Direction = 1;
  s.table.SpecialDone = true;
  s.table.Dealer = 3;
  s.table.CurrentSeat = 0;
  s.table.HandPhase = kHandInPlay;
  s.table.TurnPhase = kTurnFirstAction;
  s.table.TurnOver = true;
  s.table.AwaitingUser = true;
  // Not `= "A"`: g++ 12 at -O3 then warns of an overflow that cannot happen
  // (stringop-overflow, inside std::string's assignment from a literal).
  s.table.DealerChoice.assign(1, 'A');
  return s;
}

// The user's cards against a top card, with computer seats that can never
// call: their sums are above 13.
inline TableSetup TableWith(std::vector<int16_t> user, int16_t top) {
  TableSetup setup;
  setup.hands[0] = std::move(user);
  setup.hands[1] = {D(10), D(11)};
  setup.hands[2] = {D(12), D(13)};
  setup.hands[3] = {C(10), C(11)};
  setup.top = top;
  return setup;
}

}  // namespace winpiruk::testing

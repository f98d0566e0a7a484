#pragma once
// The computer player: the decisions of seats 1..3 and of the auto-play for
// seat 0. Every random value is drawn at a fixed point of a decision, so a
// scripted source replays a game exactly.
#include <array>
#include <cstdint>

#include "state/Cards.h"
#include "state/Piruk930.h"
#include "engine/Random.h"
#include "engine/TableView.h"

namespace winpiruk {

enum class DealerPick { Keep, Take };

enum class ComputerMove {
  Discard,        // the card in PlayList(0)
  Draw,           // one card
  PenaltyDraw,    // the pending penalty, card by card (PenaltyDrawing set)
  DiscardFinish,  // the last card goes out and wins the hand
};

namespace detail {
// For each top card 0..52, one bit per code 0..52 that matches it.
constexpr std::array<uint64_t, 53> MakeMatchTable() {
  std::array<uint64_t, 53> table{};
  for (int top = 0; top <= 52; ++top) {
    for (int code = 0; code <= 52; ++code) {
      if (CardRank(code) == CardRank(top) || CardSuit(code) == CardSuit(top)) table[top] |= uint64_t{1} << code;
    }
  }
  return table;
}
inline constexpr std::array<uint64_t, 53> kMatchesOf = MakeMatchTable();
}  // namespace detail

// True when `code` may be discarded on `top` (same rank or same suit). The
// computer seats ask this for every card they hold at every turn.
constexpr bool Matches(int code, int top) {
  if (static_cast<unsigned>(code) <= 52U && static_cast<unsigned>(top) <= 52U) {
    return ((detail::kMatchesOf[top] >> code) & 1U) != 0;
  }
  return CardRank(code) == CardRank(top) || CardSuit(code) == CardSuit(top);
}

// The computer dealer keeps its fifth card or takes the deck's top card.
DealerPick ComputerDealerChoice(Piruk930& state, TableView& view, RandomSource& random, int dealer);

// The start of a computer seat's turn.
ComputerMove ChooseComputerMove(Piruk930& state, RandomSource& random, int seat);

// The further discard after a throw-more card; any held card may go.
ComputerMove ChooseExtraDiscard(Piruk930& state, RandomSource& random, int seat);

// Orders PlayList best first and may empty it (the seat holds back and draws).
void RankCandidates(Piruk930& state, RandomSource& random, int seat, bool auto_play);

// The auto-play's pick for the user, written to UserPick and returned.
int16_t AutoPlayMove(Piruk930& state, TableView& view, RandomSource& random);

// Slot of a computer seat's row to hide when it discards from `slot`: the
// slot itself when it has a picture, else a random one (one draw).
int DiscardPicturePosition(RandomSource& random, int slot, int count_before);

}  // namespace winpiruk

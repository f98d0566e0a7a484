#pragma once
// What the rules allow the seat to move: for each pick, what it would do.
// The engine applies the user's picks through it, the auto-play only
// proposes what it allows, and the computer seats check their card with it.
#include <array>
#include <cstdint>

#include "state/Cards.h"
#include "state/GameState.h"
#include "state/Settings.h"

namespace winpiruk {

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
  if (static_cast<unsigned>(code) <= 52U && static_cast<unsigned>(top) <= 52U) [[likely]] {
    return ((detail::kMatchesOf[top] >> code) & 1U) != 0;
  }
  return CardRank(code) == CardRank(top) || CardSuit(code) == CardSuit(top);
}

// How many cards of a row are neither empty nor throw-more cards.
int CountOtherThanThrowMore(const HandRow& row, int more_drop_card);

// The moment of a turn a pick answers.
enum class MovePhase {
  None,            // no pick is taken (no hand, or the computer seats move)
  DealerChoice,    // the user dealer keeps the own fifth card or takes the deck card
  FirstAction,     // a discard or a draw
  FurtherDiscard,  // after a throw-more card
};

// The moment the user's picks answer now.
MovePhase UserMovePhase(const TableState& table);

// What a pick does.
enum class PickEffect : uint8_t {
  Refused,         // nothing: the engine waits for another pick
  Discard,         // the card goes on the discard pile and the turn ends
  DiscardAgain,    // a throw-more card goes and the seat discards once more
  DiscardFinish,   // the last card goes out and wins the hand (the user is asked)
  Draw,            // one card from the draw pile
  PenaltyDraw,     // the pending penalty, card by card
  StopDiscarding,  // the draw pile ends a further discard that may end
  EndTurn,         // the last card stays and the turn ends
  KeepOwnCard,     // the dealer's fifth card stays, the deck card starts the pile
  TakeDeckCard,    // the dealer takes the deck card, its own card starts the pile
};

// Why a pick is refused; None for a pick that is taken.
enum class Refusal : uint8_t {
  None,
  NotYourTurn,         // the user has no move now
  NoCardThere,         // the hand has no card at that position
  NoMatch,             // neither the suit nor the rank of the top card
  NothingToPlay,       // no card of the hand may go: the turn is a draw
  PenaltyWaiting,      // a penalty stands: draw it, or answer it with a penalty card
  NoDiscardFinish,     // the rules do not let the last card go out by discarding
  ThrowMoreOfTwo,      // a throw-more card cannot go when it would leave one card to follow it
  DealerChoiceOnly,    // the dealer keeps the own card or takes the deck card
  DiscardOrDraw,       // a turn begins with a discard or a draw
  MustDiscardAgain,    // after a throw-more card another card must go
  DiscardAgainOrStop,  // after a throw-more card: another card, or the draw pile to stop
  ClaimTooLate,        // a call claimed after the claim window of a computer's discard had closed
};

// The effect of every pick in one phase.
struct LegalPicks {
  std::array<PickEffect, 10> hand{};  // positions 1..9 (0 unused)
  PickEffect draw_pile = PickEffect::Refused;
  PickEffect discard_pile = PickEffect::Refused;
  PickEffect second_card = PickEffect::Refused;

  // `pick` as `UserPick` holds it: 1..9 or one of the Pick codes.
  PickEffect Of(int pick) const;
  bool Allows(int pick) const { return Of(pick) != PickEffect::Refused; }
};

// What one pick of `seat` does in `phase`.
PickEffect EffectOf(const TableState& table, const Settings& rules, int seat, MovePhase phase, int pick);

// Why one pick of `seat` in `phase` is refused: Refusal::None exactly when
// EffectOf allows it.
Refusal WhyRefused(const TableState& table, const Settings& rules, int seat, MovePhase phase, int pick);

// What one pick of the user does now.
inline PickEffect UserPickEffect(const TableState& table, const Settings& rules, int pick) {
  return EffectOf(table, rules, 0, UserMovePhase(table), pick);
}

// The picks of `seat` in `phase`, from its row and the rules.
LegalPicks LegalPicksOf(const TableState& table, const Settings& rules, int seat, MovePhase phase);

// What a hand position of `seat` does as a first action.
PickEffect FirstActionEffect(const TableState& table, const Settings& rules, int seat, int position);

// The user's picks now.
inline LegalPicks LegalUserPicks(const TableState& table, const Settings& rules) {
  return LegalPicksOf(table, rules, 0, UserMovePhase(table));
}

}  // namespace winpiruk

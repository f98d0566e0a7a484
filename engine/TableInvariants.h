#pragma once
// The table's invariants, checked by the headless runner after every move
// and by the tests: every card in exactly one place, hands packed, counts
// and indexes in range.
#include <array>
#include <cstdint>
#include <string>

#include "state/GameState.h"

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

// What the check saw of the parts of a table that change seldom between
// moves (each hand row, the undrawn cards, the discard pile), kept with a
// copy of those slots. A part is seen again only
// when its slots differ from the copy, so a memo gives exactly the finding
// of a check without one. The caller keeps one memo per table it checks.
class TableCheckMemo {
 public:
  // What a run of slots holds: the bits of its codes and their codes or-ed
  // together (see the check's tally).
  struct Seen {
    uint64_t bits = 0;
    int codes = 0;
  };
  struct RowSeen {
    Seen cards;
    int last = 0;  // the last slot holding a card, 0 for none
  };

  // Slots 1..10 of a row.
  const RowSeen& Row(int seat, const std::array<int16_t, kHandSlots>& row);
  struct DeckSeen {
    Seen undrawn;  // slots [from, 52)
    Seen pile;     // slots [53, end)
  };
  // A deck not yet reused, with slot 52 empty: its undrawn cards from
  // `from` and its pile up to `end`.
  DeckSeen Deck(const std::array<int16_t, kDeckSlots>& deck, int from, int end);

  // Runs of cards in a reused deck: where each ends, and what it holds.
  struct Run {
    Seen cards;
    int end = 0;  // the first empty slot, or the end of the slots looked at
  };
  struct ReusedSeen {
    Run undrawn;     // from `from` on
    int stray = -1;  // the first card after the undrawn ones, or -1
    Run pile;        // slots [1, end)
  };
  // A reused deck: the undrawn cards from `from` (slots 53 on) and the new
  // pile up to `end` (slots 1..52).
  ReusedSeen Reused(const std::array<int16_t, kDeckSlots>& deck, int from, int end);

 private:
  static constexpr int kRowCards = 10;
  static constexpr int kUndrawnEnd = 52;
  static constexpr int kPileStart = 53;
  static constexpr int kPileSlots = kDeckSlots - kPileStart;

  // An empty row sees nothing, so the memo starts out true of empty rows.
  struct RowMemo {
    std::array<int16_t, kRowCards> cards{};
    RowSeen seen;
  };
  std::array<RowMemo, kSeats> rows_{};
  void SeeUndrawn(const std::array<int16_t, kDeckSlots>& deck, int from);
  void SeePile(const std::array<int16_t, kDeckSlots>& deck, int end);
  void SeeReusedUndrawn(const std::array<int16_t, kDeckSlots>& deck, int from);
  void SeeReusedPile(const std::array<int16_t, kDeckSlots>& deck, int end);

  // The deck as last seen in [undrawn_from_, 53 + pile_known_); slot 52
  // stays empty, as the check has found it in the deck before it looks.
  std::array<int16_t, kDeckSlots> deck_{};
  // undrawn_[i] is what [i, 52) holds.
  std::array<Seen, kUndrawnEnd + 1> undrawn_{};
  int undrawn_from_ = kUndrawnEnd;
  // pile_[n] is what the first n slots of the pile hold.
  std::array<Seen, kPileSlots + 1> pile_{};
  int pile_known_ = 0;

  // The same for a reused deck, in [reused_from_, end of the deck) and
  // [1, 1 + reused_pile_known_): from each slot i on, the run of cards from
  // i and the first card at or after i; for the first n slots of the pile,
  // the run of cards from slot 1.
  std::array<int16_t, kDeckSlots> reused_deck_{};
  std::array<Run, kDeckSlots + 1> reused_undrawn_{};
  std::array<int, kDeckSlots + 1> first_card_{};
  int reused_from_ = kDeckSlots + 1;  // nothing seen yet, not even the end
  std::array<Run, kUndrawnEnd + 1> reused_pile_{};
  int reused_pile_known_ = 0;
};

// The one check: walks the table once and stops at the first fault.
TableFinding FindTableFault(const GameState& state, TableMoment moment);
// The same check, seeing again only the parts that changed since `memo` saw them.
TableFinding FindTableFault(const GameState& state, TableMoment moment, TableCheckMemo& memo);

inline bool TableIsSound(const GameState& state, TableMoment moment) {
  return FindTableFault(state, moment).fault == TableFinding::Fault::None;
}

inline bool TableIsSound(const GameState& state, TableMoment moment, TableCheckMemo& memo) {
  return FindTableFault(state, moment, memo).fault == TableFinding::Fault::None;
}

// Empty when the table is sound, else what is wrong (first fault only).
std::string CheckTableInvariants(const GameState& state, TableMoment moment);

}  // namespace winpiruk

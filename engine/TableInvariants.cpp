#include "engine/TableInvariants.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "state/Cards.h"

namespace winpiruk {

namespace {

using Fault = TableFinding::Fault;

constexpr int kCards = 52;
constexpr int kEmptySlot = 52;       // between the undrawn cards and the pile
constexpr int kInitialSlot = 53;     // the first card of a pile not yet reused
constexpr int kLastHandSlot = 10;

constexpr TableFinding Found(Fault fault, int a = -1, int b = -1) { return TableFinding{fault, a, b}; }

bool IsHandEnd(int code) {
  switch (code) {
    case kEndInitialMatch:
    case kEndCall:
    case kEndCardOver:
    case kEndDiscardFinish:
    case kEndNoGame:
      return true;
    default:
      return false;
  }
}

// The bit of each code 0..63; code 0, an empty slot, sets none.
constexpr std::array<uint64_t, 64> kCodeBits = [] {
  std::array<uint64_t, 64> bits{};
  for (int code = 1; code < 64; ++code) bits[code] = uint64_t{1} << code;
  return bits;
}();

// Every place that must hold a card sets the bit of its code. As many places
// as cards, with all 52 bits set and no code outside 0..52, is every card
// once: an empty place or a card in two places leaves a card missing.
class CardTally {
 public:
  void See(TableCheckMemo::Seen seen) {
    seen_ |= seen.bits;
    codes_ |= seen.codes;
  }
  // `count` places for cards holding `seen`; an empty one among them leaves
  // a card missing.
  void SeePlaces(TableCheckMemo::Seen seen, int count) {
    See(seen);
    places_ += count;
  }
  void AddPlaces(int count) { places_ += count; }

  TableFinding Verdict() const {
    constexpr uint64_t kAllCards = ((uint64_t{1} << (kCards + 1)) - 1) & ~uint64_t{1};
    if ((codes_ & ~63) != 0 || (seen_ & ~kAllCards) != 0) return Found(Fault::NoCardCode);
    if (seen_ != kAllCards) return Found(Fault::CardMissing, std::countr_zero(~seen_ & kAllCards));
    if (places_ != kCards) return Found(Fault::PlaceCount, places_);
    return {};
  }

 private:
  uint64_t seen_ = 0;
  int codes_ = 0;  // any code outside 0..63 leaves bits above 63
  int places_ = 0;
};

// Until the initial card is turned the discard pile is empty, whatever
// DiscardIndex still holds from the hand before. Once the pile has been
// reused (drawing from slot 53 on), the new pile grows from slot 1.
bool PileStarted(const TableState& s) { return s.DrawIndex > kEmptySlot || s.DeckSlots[kInitialSlot] != 0; }

TableFinding CheckIndexes(const TableState& s, TableMoment moment) {
  if (s.Dealer < 0 || s.Dealer >= kSeats) return Found(Fault::Dealer, s.Dealer);
  if (s.CurrentSeat < 0 || s.CurrentSeat >= kSeats) return Found(Fault::CurrentSeat, s.CurrentSeat);
  if (s.Direction != 1 && s.Direction != -1) return Found(Fault::Direction, s.Direction);
  if (s.DrawIndex < 20 || s.DrawIndex > kDeckSlots) return Found(Fault::DrawIndex, s.DrawIndex);
  if (s.DrawIndex == kEmptySlot) return Found(Fault::DrawIndexOnSlot52);
  const bool reused = s.DrawIndex > kEmptySlot;
  const int low = reused ? 1 : kInitialSlot + 1;
  const int high = reused ? kCards : kDeckSlots;
  if (PileStarted(s) && (s.DiscardIndex < low || s.DiscardIndex > high)) {
    return Found(Fault::DiscardIndex, s.DiscardIndex);
  }
  if (s.DeckSlots[kEmptySlot] != 0) return Found(Fault::Slot52Written);
  if (s.PenaltyPending < 0) return Found(Fault::NegativePenalty, s.PenaltyPending);
  if (moment == TableMoment::HandOver && !IsHandEnd(s.HandEndCode)) return Found(Fault::EndCode, s.HandEndCode);
  return {};
}

// Where the pile of a deck not yet reused ends: once the pile is reused,
// drawing stops at the empty slot after it.
int PileEnd(const TableState& s) { return PileStarted(s) ? s.DiscardIndex : kInitialSlot; }

// The first empty slot among the undrawn cards and the pile of a deck not
// yet reused, or -1.
int FirstEmptyPlace(const TableState& s) {
  if (s.DrawIndex >= kEmptySlot) return -1;
  for (int i = s.DrawIndex; i < kEmptySlot; ++i) {
    if (s.DeckSlots[i] == 0) return i;
  }
  for (int i = kInitialSlot; i < PileEnd(s); ++i) {
    if (s.DeckSlots[i] == 0) return i;
  }
  return -1;
}

// The undrawn cards and the discard pile, each a run of cards that ends at
// an empty slot; the indexes are in range. Before the deck is reused both
// runs end where the indexes say (slot 52 is known empty), so an empty slot
// inside them is a card missing, which the verdict finds and
// FirstEmptyPlace() names.
TableFinding SeeDeck(const TableState& s, CardTally& tally, TableCheckMemo& memo) {
  const auto& deck = s.DeckSlots;
  if (s.DrawIndex < kEmptySlot) {
    const int end = PileEnd(s);
    const TableCheckMemo::DeckSeen seen = memo.Deck(deck, s.DrawIndex, end);
    tally.SeePlaces(seen.undrawn, kEmptySlot - s.DrawIndex);
    tally.SeePlaces(seen.pile, end - kInitialSlot);
    if (end < kDeckSlots && deck[end] != 0) return Found(Fault::NoEmptySlotAfterPile, end);
    return {};
  }
  const TableCheckMemo::ReusedSeen seen = memo.Reused(deck, s.DrawIndex, s.DiscardIndex);
  tally.SeePlaces(seen.undrawn.cards, seen.undrawn.end - s.DrawIndex);
  if (seen.stray >= 0) return Found(Fault::CardAfterReusedDeck, seen.stray);
  tally.SeePlaces(seen.pile.cards, seen.pile.end - 1);
  if (seen.pile.end != s.DiscardIndex) return Found(Fault::EmptyCardSlot, seen.pile.end);
  return {};
}

// Why a row does not hold `cards` cards from slot 1 on.
TableFinding RowFault(const HandRow& row, int seat, int cards) {
  int held = 0;
  for (int slot = 1; slot <= kLastHandSlot; ++slot) {
    if (row[slot] == 0) continue;
    if (slot != ++held) return Found(Fault::HandNotPacked, seat, slot);
  }
  return held != cards ? Found(Fault::HandCount, seat, row[kHandCount]) : TableFinding{};
}

// The cards a row holds by its count. At the end of a hand a called
// computer discard still counts for its seat, and a discard finish has
// already taken the winner's last card.
int CardsHeld(const TableState& s, TableMoment moment, int seat) {
  int cards = s.Hands[seat][kHandCount];
  if (moment == TableMoment::HandOver) {
    const int discarder = s.CounterCalled != 0 ? s.Winner : s.CurrentSeat;
    if (s.HandEndCode == kEndCall && seat == discarder && seat != 0) --cards;
    if (s.HandEndCode == kEndDiscardFinish && seat == s.Winner) ++cards;
  }
  return cards;
}

// Each row holds its cards from slot 1 on: the last card is in the slot its
// count says, and an empty slot before it leaves a card missing.
TableFinding SeeHands(const TableState& s, TableMoment moment, CardTally& tally, TableCheckMemo& memo) {
  for (int seat = 0; seat < kSeats; ++seat) {
    const HandRow& row = s.Hands[seat];
    const int cards = CardsHeld(s, moment, seat);
    const TableCheckMemo::RowSeen& seen = memo.Row(seat, row);
    tally.See(seen.cards);
    if (seen.last != cards) return RowFault(row, seat, cards);
    tally.AddPlaces(cards);
  }
  return {};
}

// A card missing, or one place too many, may be an empty slot among a row's
// cards: that row is named.
TableFinding RowWithAGap(const TableState& s, TableMoment moment) {
  for (int seat = 0; seat < kSeats; ++seat) {
    const TableFinding found = RowFault(s.Hands[seat], seat, CardsHeld(s, moment, seat));
    if (found.fault != Fault::None) return found;
  }
  return {};
}

const char* FaultText(Fault fault) {
  switch (fault) {
    case Fault::None: return "";
    case Fault::Dealer: return "dealer out of range";
    case Fault::CurrentSeat: return "current seat out of range";
    case Fault::Direction: return "direction";
    case Fault::DrawIndex: return "draw index out of range";
    case Fault::DrawIndexOnSlot52: return "draw index left on the empty slot 52";
    case Fault::DiscardIndex: return "discard index out of range";
    case Fault::Slot52Written: return "slot 52 written";
    case Fault::NegativePenalty: return "negative penalty";
    case Fault::EndCode: return "bad end code";
    case Fault::EmptyCardSlot: return "empty slot among the undrawn cards or the pile:";
    case Fault::NoEmptySlotAfterPile: return "no empty slot after the discard pile";
    case Fault::CardAfterReusedDeck: return "card after the end of the reused deck";
    case Fault::HandNotPacked: return "hand not packed";
    case Fault::NoCardCode: return "a card code outside 1..52";
    case Fault::HandCount: return "hand count differs from its cards";
    case Fault::CardMissing: return "card missing";
    case Fault::PlaceCount: return "places of the cards, not 52:";
  }
  return "table unsound";
}

// Every fault the cards show, in the order they are named: an empty slot
// among the undrawn cards or the pile first, then the end of the pile, the
// rows, the codes and the count of places.
TableFinding SeeCards(const GameState& s, TableMoment moment, TableCheckMemo& memo) {
  CardTally tally;
  if (const TableFinding found = SeeDeck(s.table, tally, memo); found.fault != Fault::None) return found;
  if (const TableFinding found = SeeHands(s.table, moment, tally, memo); found.fault != Fault::None) return found;
  const TableFinding verdict = tally.Verdict();
  if (verdict.fault != Fault::CardMissing && verdict.fault != Fault::PlaceCount) return verdict;
  const TableFinding gap = RowWithAGap(s.table, moment);
  return gap.fault != Fault::None ? gap : verdict;
}

TableCheckMemo::Seen Plus(TableCheckMemo::Seen seen, int code) {
  return {seen.bits | kCodeBits[code & 63], seen.codes | code};
}

}  // namespace

const TableCheckMemo::RowSeen& TableCheckMemo::Row(int seat, const std::array<int16_t, kHandSlots>& row) {
  RowMemo& memo = rows_[seat];
  const int16_t* cards = &row[1];
  if (std::memcmp(cards, memo.cards.data(), sizeof memo.cards) == 0) return memo.seen;
  RowSeen seen;
  for (int slot = 1; slot <= kRowCards; ++slot) {
    seen.cards = Plus(seen.cards, row[slot]);
    seen.last = row[slot] != 0 ? slot : seen.last;
  }
  std::memcpy(memo.cards.data(), cards, sizeof memo.cards);
  memo.seen = seen;
  return memo.seen;
}

namespace {

// Whether slots begin..stop-1 of two decks hold the same cards. `begin` may be
// the end of the deck, which [] may not name.
bool SameSlots(const std::array<int16_t, kDeckSlots>& a, const std::array<int16_t, kDeckSlots>& b, int begin,
               int stop) {
  return std::memcmp(a.data() + begin, b.data() + begin, sizeof(int16_t) * static_cast<size_t>(stop - begin)) == 0;
}

}  // namespace

TableCheckMemo::DeckSeen TableCheckMemo::Deck(const std::array<int16_t, kDeckSlots>& deck, int from, int end) {
  auto same = [&deck, this](int begin, int stop) { return SameSlots(deck, deck_, begin, stop); };
  const int known_end = std::min(end, kPileStart + pile_known_);
  // Between two moves at most the pile grew: one comparison covers both parts.
  if (from < undrawn_from_ || !same(from, known_end)) {
    if (from < undrawn_from_ || !same(from, kUndrawnEnd)) SeeUndrawn(deck, from);
    if (!same(kPileStart, known_end)) pile_known_ = 0;
  }
  SeePile(deck, end);
  return {undrawn_[from], pile_[end - kPileStart]};
}

// The slots from `from` on changed: what every slot below them holds is seen
// again when asked for.
void TableCheckMemo::SeeUndrawn(const std::array<int16_t, kDeckSlots>& deck, int from) {
  for (int i = kUndrawnEnd - 1; i >= from; --i) {
    deck_[i] = deck[i];
    undrawn_[i] = Plus(undrawn_[i + 1], deck[i]);
  }
  undrawn_from_ = from;
}

// The pile grows one card at a time: only the cards new since are seen.
void TableCheckMemo::SeePile(const std::array<int16_t, kDeckSlots>& deck, int end) {
  const int cards = end - kPileStart;
  for (int n = pile_known_; n < cards; ++n) {
    deck_[kPileStart + n] = deck[kPileStart + n];
    pile_[n + 1] = Plus(pile_[n], deck[kPileStart + n]);
  }
  pile_known_ = std::max(pile_known_, cards);
}

TableCheckMemo::ReusedSeen TableCheckMemo::Reused(const std::array<int16_t, kDeckSlots>& deck, int from, int end) {
  auto same = [&deck, this](int begin, int stop) { return SameSlots(deck, reused_deck_, begin, stop); };
  if (from < reused_from_ || !same(from, kDeckSlots)) SeeReusedUndrawn(deck, from);
  if (!same(1, 1 + std::min(end - 1, reused_pile_known_))) reused_pile_known_ = 0;
  SeeReusedPile(deck, end);
  const Run& undrawn = reused_undrawn_[from];
  const int stray = undrawn.end < kDeckSlots ? first_card_[undrawn.end] : -1;
  return {undrawn, stray, reused_pile_[end - 1]};
}

void TableCheckMemo::SeeReusedUndrawn(const std::array<int16_t, kDeckSlots>& deck, int from) {
  reused_undrawn_[kDeckSlots] = {{}, kDeckSlots};
  first_card_[kDeckSlots] = -1;
  for (int i = kDeckSlots - 1; i >= from; --i) {
    reused_deck_[i] = deck[i];
    const bool card = deck[i] != 0;
    const Run& next = reused_undrawn_[i + 1];
    reused_undrawn_[i] = card ? Run{Plus(next.cards, deck[i]), next.end} : Run{{}, i};
    first_card_[i] = card ? i : first_card_[i + 1];
  }
  reused_from_ = from;
}

void TableCheckMemo::SeeReusedPile(const std::array<int16_t, kDeckSlots>& deck, int end) {
  reused_pile_[0] = {{}, 1};
  const int slots = end - 1;
  for (int n = reused_pile_known_; n < slots; ++n) {
    const int slot = 1 + n;
    reused_deck_[slot] = deck[slot];
    const Run& before = reused_pile_[n];
    const bool grows = before.end == slot && deck[slot] != 0;
    reused_pile_[n + 1] = grows ? Run{Plus(before.cards, deck[slot]), slot + 1} : before;
  }
  reused_pile_known_ = std::max(reused_pile_known_, slots);
}

TableFinding FindTableFault(const GameState& s, TableMoment moment) {
  TableCheckMemo memo;
  return FindTableFault(s, moment, memo);
}

TableFinding FindTableFault(const GameState& s, TableMoment moment, TableCheckMemo& memo) {
  if (const TableFinding found = CheckIndexes(s.table, moment); found.fault != Fault::None) return found;
  const TableFinding found = SeeCards(s, moment, memo);
  if (found.fault == Fault::None) return found;
  const int empty = FirstEmptyPlace(s.table);
  return empty >= 0 ? Found(Fault::EmptyCardSlot, empty) : found;
}

std::string CheckTableInvariants(const GameState& s, TableMoment moment) {
  const TableFinding found = FindTableFault(s, moment);
  std::string text(FaultText(found.fault));
  for (const int n : {found.a, found.b}) {
    if (n < 0) continue;
    text.push_back(' ');
    text.append(std::to_string(n));
  }
  return text;
}

}  // namespace winpiruk

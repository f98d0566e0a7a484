#include "engine/TableInvariants.h"

#include <bit>
#include <cstdint>

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

// Every place that must hold a card sets the bit of its code. As many places
// as cards, with all 52 bits set and no code outside 0..52, is every card
// once: an empty place or a card in two places leaves a card missing. The
// tally takes no branch on the codes, so every table costs the same; empty
// slots set bit 0, which no card has.
class CardTally {
 public:
  void See(int code) {
    seen_ |= uint64_t{1} << (code & 63);
    codes_ |= code;
  }
  void SeePlaces(const int16_t* slots, int count) {
    for (int i = 0; i < count; ++i) See(slots[i]);
    places_ += count;
  }
  void AddPlaces(int count) { places_ += count; }

  TableFinding Verdict() const {
    constexpr uint64_t kAllCards = ((uint64_t{1} << (kCards + 1)) - 1) & ~uint64_t{1};
    const uint64_t cards = seen_ & ~uint64_t{1};  // bit 0: empty slots
    if ((codes_ & ~63) != 0 || (cards & ~kAllCards) != 0) return Found(Fault::NoCardCode);
    if (cards != kAllCards) return Found(Fault::CardMissing, std::countr_zero(~cards & kAllCards));
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

// The undrawn cards and the discard pile; the indexes are in range and slot
// 52, empty, adds no bit and no place.
TableFinding SeeDeck(const TableState& s, CardTally& tally) {
  const int16_t* deck = s.DeckSlots.data();
  if (s.DrawIndex < kEmptySlot) {
    const int end = PileStarted(s) ? s.DiscardIndex : kInitialSlot;
    tally.SeePlaces(deck + s.DrawIndex, end - s.DrawIndex);
    tally.AddPlaces(-1);
    // The pile ends at an empty slot: once it is reused, drawing stops there.
    if (end < kDeckSlots && deck[end] != 0) return Found(Fault::NoEmptySlotAfterPile, end);
    return {};
  }
  int end = s.DrawIndex;
  while (end < kDeckSlots && deck[end] != 0) ++end;
  tally.SeePlaces(deck + s.DrawIndex, end - s.DrawIndex);
  int after = 0;
  for (int i = end; i < kDeckSlots; ++i) after |= deck[i];
  if (after != 0) return Found(Fault::CardAfterReusedDeck);
  tally.SeePlaces(deck + 1, s.DiscardIndex - 1);
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

// Each row holds its cards from slot 1 on with no gap, and its count says
// how many. At the end of a hand a called computer discard still counts for
// its seat, and a discard finish has already taken the winner's last card.
TableFinding SeeHands(const TableState& s, TableMoment moment, CardTally& tally) {
  const int discarder = s.CounterCalled != 0 ? s.Winner : s.CurrentSeat;
  for (int seat = 0; seat < kSeats; ++seat) {
    const HandRow& row = s.Hands[seat];
    int cards = row[kHandCount];
    if (moment == TableMoment::HandOver) {
      if (s.HandEndCode == kEndCall && seat == discarder && seat != 0) --cards;
      if (s.HandEndCode == kEndDiscardFinish && seat == s.Winner) ++cards;
    }
    // One bit per slot that holds a card: slots 1..cards exactly.
    unsigned filled = 0;
    for (int slot = 1; slot <= kLastHandSlot; ++slot) {
      tally.See(row[slot]);
      filled |= static_cast<unsigned>(row[slot] != 0) << slot;
    }
    const bool counted = cards >= 0 && cards <= kLastHandSlot;
    if (!counted || filled != (2U << cards) - 2U) return RowFault(row, seat, cards);
    tally.AddPlaces(cards);
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

}  // namespace

TableFinding FindTableFault(const Piruk930& s, TableMoment moment) {
  if (const TableFinding found = CheckIndexes(s, moment); found.fault != Fault::None) return found;
  CardTally tally;
  if (const TableFinding found = SeeDeck(s, tally); found.fault != Fault::None) return found;
  if (const TableFinding found = SeeHands(s, moment, tally); found.fault != Fault::None) return found;
  return tally.Verdict();
}

std::string CheckTableInvariants(const Piruk930& s, TableMoment moment) {
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

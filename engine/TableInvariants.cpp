#include "engine/TableInvariants.h"

#include <array>

#include "engine/Cards.h"

namespace winpiruk {

namespace {

std::string Fault(const char* what, int a = -1, int b = -1) {
  std::string text = what;
  if (a >= 0) text += " " + std::to_string(a);
  if (b >= 0) text += " " + std::to_string(b);
  return text;
}

}  // namespace

std::string CheckTableInvariants(const Piruk930& s, TableMoment moment) {
  if (s.Dealer < 0 || s.Dealer > 3) return Fault("dealer out of range", s.Dealer);
  if (s.CurrentSeat < 0 || s.CurrentSeat > 3) return Fault("current seat out of range", s.CurrentSeat);
  if (s.Direction != 1 && s.Direction != -1) return Fault("direction", s.Direction);
  if (s.DrawIndex < 20 || s.DrawIndex > kDeckSlots) return Fault("draw index out of range", s.DrawIndex);
  if (s.DrawIndex == 52) return Fault("draw index left on the empty slot 52");
  const bool reused = s.DrawIndex >= 53;
  // Until the initial card is turned the discard pile is empty, whatever
  // DiscardIndex still holds from the hand before.
  const bool pile_started = reused || s.DeckSlots[53] != 0;
  if (pile_started &&
      (reused ? (s.DiscardIndex < 1 || s.DiscardIndex > 52) : (s.DiscardIndex < 54 || s.DiscardIndex > kDeckSlots))) {
    return Fault("discard index out of range", s.DiscardIndex);
  }
  if (s.DeckSlots[52] != 0) return Fault("slot 52 written");
  if (s.PenaltyPending < 0) return Fault("negative penalty", s.PenaltyPending);

  std::array<int, 53> seen{};
  auto see = [&seen](int code) {
    if (code < 0 || code > 52) return false;
    ++seen[code];
    return true;
  };

  // Undrawn cards.
  if (!reused) {
    for (int i = s.DrawIndex; i < 52; ++i) {
      if (s.DeckSlots[i] == 0 || !see(s.DeckSlots[i])) return Fault("bad undrawn slot", i);
    }
    const int end = !pile_started ? 53 : (s.DiscardIndex > kDeckSlots ? kDeckSlots : s.DiscardIndex);
    for (int i = 53; i < end; ++i) {
      if (s.DeckSlots[i] == 0 || !see(s.DeckSlots[i])) return Fault("bad discard slot", i);
    }
    for (int i = end < 53 ? 53 : end; i < kDeckSlots; ++i) {
      if (s.DeckSlots[i] != 0) return Fault("stray card beyond the discard pile", i);
    }
  } else {
    for (int i = s.DrawIndex; i < kDeckSlots; ++i) {
      if (s.DeckSlots[i] != 0 && !see(s.DeckSlots[i])) return Fault("bad reused slot", i);
    }
    for (int i = 1; i < s.DiscardIndex; ++i) {
      if (s.DeckSlots[i] == 0 || !see(s.DeckSlots[i])) return Fault("bad discard slot", i);
    }
  }

  // Hands: packed, counts, cards.
  for (int seat = 0; seat < kSeats; ++seat) {
    const HandRow& row = s.Hands[seat];
    int held = 0;
    bool gap = false;
    for (int slot = 1; slot <= 10; ++slot) {
      if (row[slot] == 0) {
        gap = true;
        continue;
      }
      if (gap) return Fault("hand not packed", seat, slot);
      ++held;
      if (!see(row[slot])) return Fault("bad card in hand", seat, slot);
    }
    const int count = row[kHandCount];
    if (count < 0 || count > 10) return Fault("hand count out of range", seat, count);
    int expected = held;
    if (moment == TableMoment::HandOver) {
      const int discarder = s.CounterCalled != 0 ? s.Winner : s.CurrentSeat;
      if (s.HandEndCode == 7 && seat == discarder && seat != 0) expected = held + 1;
      if (s.HandEndCode == 11 && seat == s.Winner) expected = held - 1;
    }
    if (count != expected) return Fault("hand count differs from its cards", seat, count);
  }
  if (moment == TableMoment::HandOver) {
    const int code = s.HandEndCode;
    if (code != 3 && code != 7 && code != 10 && code != 11 && code != 99) return Fault("bad end code", code);
  }

  // Before the initial card is turned the table holds the hands and the deck
  // only; afterwards all 52 cards are somewhere.
  for (int code = 1; code <= 52; ++code) {
    if (seen[code] != 1) return Fault("card not in exactly one place", code, seen[code]);
  }
  return {};
}

}  // namespace winpiruk

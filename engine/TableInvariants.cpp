#include "engine/TableInvariants.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "engine/Cards.h"

namespace winpiruk {

namespace {

std::string Fault(const char* what, int a = -1, int b = -1) {
  std::string text(what);
  for (const int n : {a, b}) {
    if (n < 0) continue;
    text.push_back(' ');
    text.append(std::to_string(n));
  }
  return text;
}

// The slow path: names the first fault.
std::string DiagnoseTable(const Piruk930& s, TableMoment moment) {
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

  // Every card seen sets its bit; a bit already set is a card in two places.
  uint64_t seen = 0;
  uint64_t twice = 0;
  auto see = [&seen, &twice](int code) {
    if (code < 1 || code > 52) return false;
    const uint64_t bit = uint64_t{1} << code;
    twice |= seen & bit;
    seen |= bit;
    return true;
  };

  // Undrawn cards and the discard pile.
  if (!reused) {
    for (int i = s.DrawIndex; i < 52; ++i) {
      if (!see(s.DeckSlots[i])) return Fault("bad undrawn slot", i);
    }
    const int end = !pile_started ? 53 : (s.DiscardIndex > kDeckSlots ? kDeckSlots : s.DiscardIndex);
    for (int i = 53; i < end; ++i) {
      if (!see(s.DeckSlots[i])) return Fault("bad discard slot", i);
    }
    const int beyond = end < 53 ? 53 : end;
    if (beyond < kDeckSlots && s.DeckSlots[beyond] != 0) return Fault("no empty slot after the discard pile", beyond);
  } else {
    for (int i = s.DrawIndex; i < kDeckSlots; ++i) {
      if (s.DeckSlots[i] != 0 && !see(s.DeckSlots[i])) return Fault("bad reused slot", i);
    }
    for (int i = 1; i < s.DiscardIndex; ++i) {
      if (!see(s.DeckSlots[i])) return Fault("bad discard slot", i);
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

  // All 52 cards are somewhere, each once.
  constexpr uint64_t kAllCards = ((uint64_t{1} << 53) - 1) & ~uint64_t{1};
  if (seen != kAllCards || twice != 0) {
    for (int code = 1; code <= 52; ++code) {
      const uint64_t bit = uint64_t{1} << code;
      if ((seen & bit) == 0) return Fault("card missing", code);
      if ((twice & bit) != 0) return Fault("card in two places", code);
    }
  }
  return {};
}

// For a row whose first empty slot is held + 1: the bits of slots held + 2
// ..10 in three words (slots 1..4, 5..8, 9..10), so that the packing test
// reads the row once instead of slot by slot.
struct TailMask {
  uint64_t low = 0, high = 0;
  uint32_t top = 0;
};

constexpr std::array<TailMask, 11> MakeTailMasks() {
  std::array<TailMask, 11> masks{};
  for (int held = 0; held <= 10; ++held) {
    for (int slot = held + 2; slot <= 10; ++slot) {
      if (slot <= 4) masks[held].low |= uint64_t{0xFFFF} << ((slot - 1) * 16);
      else if (slot <= 8) masks[held].high |= uint64_t{0xFFFF} << ((slot - 5) * 16);
      else masks[held].top |= uint32_t{0xFFFF} << ((slot - 9) * 16);
    }
  }
  return masks;
}
constexpr std::array<TailMask, 11> kTailMasks = MakeTailMasks();


// A card after the first empty slot: the row is not packed.
bool CardsAfter(const HandRow& row, int held) {
  uint64_t low = 0, high = 0;
  uint32_t top = 0;
  std::memcpy(&low, &row[1], sizeof low);
  std::memcpy(&high, &row[5], sizeof high);
  std::memcpy(&top, &row[9], sizeof top);
  const TailMask& mask = kTailMasks[held];
  return ((low & mask.low) | (high & mask.high) | (top & mask.top)) != 0;
}

}  // namespace

bool TableIsSound(const Piruk930& s, TableMoment moment) {
  const int draw = s.DrawIndex;
  if (draw < 20 || draw > kDeckSlots || draw == 52) return false;
  const bool reused = draw >= 53;
  const bool pile_started = reused || s.DeckSlots[53] != 0;
  const int discard = s.DiscardIndex;
  if (pile_started && (reused ? (discard < 1 || discard > 52) : (discard < 54 || discard > kDeckSlots))) return false;

  bool bad = static_cast<unsigned>(s.Dealer) > 3U || static_cast<unsigned>(s.CurrentSeat) > 3U ||
             (s.Direction != 1 && s.Direction != -1) || s.DeckSlots[52] != 0 || s.PenaltyPending < 0;
  // 52 cards seen whose bits make up exactly the codes 1..52 are the 52
  // cards once each. Any code outside 0..63 leaves bits in `range` above 63.
  uint64_t seen = 0;
  int range = 0;
  int cards = 0;
  auto see = [&seen, &range](int code) {
    seen |= uint64_t{1} << (code & 63);
    range |= code;
  };
  const int16_t* deck = s.DeckSlots.data();
  if (!reused) {
    // Two accumulators halve the dependency chain over the longest run.
    uint64_t seen_odd = 0;
    int i = draw;
    for (; i + 1 < 52; i += 2) {
      see(deck[i]);
      seen_odd |= uint64_t{1} << (deck[i + 1] & 63);
      range |= deck[i + 1];
    }
    if (i < 52) see(deck[i]);
    seen |= seen_odd;
    const int end = pile_started ? discard : 53;
    for (int i = 53; i < end; ++i) see(deck[i]);
    cards += (52 - draw) + (end - 53);
    // The pile ends at an empty slot: once it is reused, drawing stops there.
    if (end < kDeckSlots) bad |= deck[end] != 0;
  } else {
    int i = draw;
    for (; i < kDeckSlots && deck[i] != 0; ++i) see(deck[i]);
    for (int k = 1; k < discard; ++k) see(deck[k]);
    cards += (i - draw) + (discard - 1);
  }

  const int discarder = s.CounterCalled != 0 ? s.Winner : s.CurrentSeat;
  for (int seat = 0; seat < kSeats; ++seat) {
    const HandRow& row = s.Hands[seat];
    int held = 0;
    while (held < 10 && row[held + 1] != 0) see(row[++held]);
    bad |= CardsAfter(row, held);
    cards += held;
    int expected = held;
    if (moment == TableMoment::HandOver) {
      if (s.HandEndCode == 7 && seat == discarder && seat != 0) ++expected;
      if (s.HandEndCode == 11 && seat == s.Winner) --expected;
    }
    bad |= row[kHandCount] != expected;
  }
  if (moment == TableMoment::HandOver) {
    const int code = s.HandEndCode;
    bad |= code != 3 && code != 7 && code != 10 && code != 11 && code != 99;
  }
  constexpr uint64_t kAllCards = ((uint64_t{1} << 53) - 1) & ~uint64_t{1};
  return !bad && cards == 52 && seen == kAllCards && (range & ~63) == 0;
}

std::string CheckTableInvariants(const Piruk930& s, TableMoment moment) {
  if (TableIsSound(s, moment)) return {};
  std::string fault = DiagnoseTable(s, moment);
  return fault.empty() ? std::string("table unsound") : fault;
}

}  // namespace winpiruk

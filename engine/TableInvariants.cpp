#include "engine/TableInvariants.h"

#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "state/Cards.h"

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

}  // namespace

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
    // Drawing stops at the first empty slot: nothing may lie beyond it.
    int i = s.DrawIndex;
    for (; i < kDeckSlots && s.DeckSlots[i] != 0; ++i) {
      if (!see(s.DeckSlots[i])) return Fault("bad reused slot", i);
    }
    for (; i < kDeckSlots; ++i) {
      if (s.DeckSlots[i] != 0) return Fault("card after the end of the reused deck", i);
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

namespace {

// The seen cards as a bit set, built 8 codes at a time in SSE2 registers
// (every x86-64 processor has them). Zero codes set bit 0, which is never
// asked for: the callers count cards by their slots, so a zero where a card
// belongs leaves one of the 52 bits missing.
#if defined(__SSE2__)
class CardBits {
 public:
  // Codes 0..30 become bits 0..30 of `low_`, codes 31..61 bits 0..30 of
  // `high_`: the float 2^code truncated to an integer is the code's bit.
  // Codes of 31 and more overflow the low conversion into bit 31, the one
  // bit the low half never reports; codes below 31 truncate to 0 in the high
  // half. Codes outside 0..63 are caught by `range_`.
  void See(__m128i codes) {
    range_ = _mm_or_si128(range_, codes);
    // Each 32-bit lane holds two codes: the even one in its low 16 bits.
    const __m128i even = _mm_slli_epi32(codes, 23);
    const __m128i odd = _mm_slli_epi32(_mm_srli_epi32(codes, 16), 23);
    const __m128i low_bias = _mm_set1_epi32(127 << 23);
    const __m128i high_bias = _mm_set1_epi32((127 - 31) << 23);
    low_ = _mm_or_si128(low_, _mm_cvttps_epi32(_mm_castsi128_ps(_mm_add_epi32(even, low_bias))));
    low_ = _mm_or_si128(low_, _mm_cvttps_epi32(_mm_castsi128_ps(_mm_add_epi32(odd, low_bias))));
    high_ = _mm_or_si128(high_, _mm_cvttps_epi32(_mm_castsi128_ps(_mm_add_epi32(even, high_bias))));
    high_ = _mm_or_si128(high_, _mm_cvttps_epi32(_mm_castsi128_ps(_mm_add_epi32(odd, high_bias))));
  }

  // True when the codes seen are exactly 1..52 (with or without 0).
  bool AllCardsOnce() const {
    const __m128i outside = _mm_and_si128(range_, _mm_set1_epi16(static_cast<int16_t>(~63)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(outside, _mm_setzero_si128())) != 0xFFFF) return false;
    const uint32_t low = Fold(low_) & 0x7FFFFFFEU;
    const uint32_t high = Fold(high_);
    return low == 0x7FFFFFFEU && high == 0x3FFFFFU;  // 1..30 and 31..52
  }

 private:
  static uint32_t Fold(__m128i v) {
    v = _mm_or_si128(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
    v = _mm_or_si128(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
    return static_cast<uint32_t>(_mm_cvtsi128_si32(v));
  }

  __m128i range_ = _mm_setzero_si128();
  __m128i low_ = _mm_setzero_si128();
  __m128i high_ = _mm_setzero_si128();
};

// Deck slots from..to-1 in blocks of eight; lanes from `to` on read as 0. A
// block near the end of the deck starts earlier instead of reading past it:
// the slots it reads again were seen already (from is at most 51), and
// seeing a card twice sets the same bit.
void SeeDeckSpan(const int16_t* deck, int from, int to, CardBits& bits) {
  const __m128i lanes = _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7);
  const __m128i past = _mm_set1_epi16(static_cast<int16_t>(to));
  for (int start = from; start < to; start += 8) {
    const int at = start < kDeckSlots - 8 ? start : kDeckSlots - 8;
    const __m128i index = _mm_add_epi16(lanes, _mm_set1_epi16(static_cast<int16_t>(at)));
    const __m128i codes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(deck + at));
    bits.See(_mm_and_si128(codes, _mm_cmplt_epi16(index, past)));
  }
}

// The non-reused deck: the undrawn slots draw..51, slot 52 (checked empty
// elsewhere, so it adds nothing) and the pile 53..end-1 as one span.
bool DeckAndHandsSound(const Piruk930& s, int draw, int end, TableMoment moment, const int discarder) {
  CardBits bits;
  SeeDeckSpan(s.DeckSlots.data(), draw, end, bits);
  int cards = (52 - draw) + (end - 53);
  bool bad = false;
  __m128i tails[kSeats];
  for (int seat = 0; seat < kSeats; ++seat) {
    const HandRow& row = s.Hands[seat];
    const __m128i front = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&row[1]));
    int32_t tail = 0;
    std::memcpy(&tail, &row[9], sizeof tail);
    tails[seat] = _mm_cvtsi32_si128(tail);
    bits.See(front);
    // One bit per slot 1..10 that is empty, and the six unused lanes above.
    const __m128i zero = _mm_setzero_si128();
    const auto empty = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_packs_epi16(_mm_cmpeq_epi16(front, zero), _mm_cmpeq_epi16(tails[seat], zero))));
    // Packed: the empty slots are exactly those after the cards held.
    const int held = std::countr_zero(empty);
    bad |= empty != ((0xFFFFU << held) & 0xFFFFU);
    cards += held;
    int expected = held;
    if (moment == TableMoment::HandOver) {
      if (s.HandEndCode == 7 && seat == discarder && seat != 0) ++expected;
      if (s.HandEndCode == 11 && seat == s.Winner) --expected;
    }
    bad |= row[kHandCount] != expected;
  }
  // Slots 9 and 10 of the four rows in one register.
  bits.See(_mm_unpacklo_epi64(_mm_unpacklo_epi32(tails[0], tails[1]), _mm_unpacklo_epi32(tails[2], tails[3])));
  return !bad && cards == 52 && bits.AllCardsOnce();
}
#endif

// A card after the first empty slot: the row is not packed.
bool CardsAfter(const HandRow& row, int held) {
  for (int slot = held + 2; slot <= 10; ++slot) {
    if (row[slot] != 0) return true;
  }
  return false;
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
  if (moment == TableMoment::HandOver) {
    const int code = s.HandEndCode;
    bad |= code != 3 && code != 7 && code != 10 && code != 11 && code != 99;
  }
  const int discarder = s.CounterCalled != 0 ? s.Winner : s.CurrentSeat;
  const int16_t* deck = s.DeckSlots.data();
#if defined(__SSE2__)
  if (!reused) {
    const int end = pile_started ? discard : 53;
    // The pile ends at an empty slot: once it is reused, drawing stops there.
    if (end < kDeckSlots) bad |= deck[end] != 0;
    return DeckAndHandsSound(s, draw, end, moment, discarder) && !bad;
  }
#endif
  // 52 cards seen whose bits make up exactly the codes 1..52 are the 52
  // cards once each. Any code outside 0..63 leaves bits in `range` above 63.
  uint64_t seen = 0;
  int range = 0;
  int cards = 0;
  auto see = [&seen, &range](int code) {
    seen |= uint64_t{1} << (code & 63);
    range |= code;
  };
  if (!reused) {
    for (int i = draw; i < 52; ++i) see(deck[i]);
    const int end = pile_started ? discard : 53;
    for (int i = 53; i < end; ++i) see(deck[i]);
    cards += (52 - draw) + (end - 53);
    if (end < kDeckSlots) bad |= deck[end] != 0;
  } else {
    int i = draw;
    for (; i < kDeckSlots && deck[i] != 0; ++i) see(deck[i]);
    cards += (i - draw) + (discard - 1);
    for (; i < kDeckSlots; ++i) bad |= deck[i] != 0;
    for (int k = 1; k < discard; ++k) see(deck[k]);
  }

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
  constexpr uint64_t kAllCards = ((uint64_t{1} << 53) - 1) & ~uint64_t{1};
  return !bad && cards == 52 && seen == kAllCards && (range & ~63) == 0;
}

std::string CheckTableInvariants(const Piruk930& s, TableMoment moment) {
  if (TableIsSound(s, moment)) return {};
  std::string fault = DiagnoseTable(s, moment);
  return fault.empty() ? std::string("table unsound") : fault;
}

}  // namespace winpiruk

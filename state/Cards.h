#pragma once
// Card codes, seats and the call numbers of a hand.
#include <array>
#include <cstdint>

#include "state/GameState.h"

namespace winpiruk {

struct DecodedCard {
  int16_t rank = 0;  // 1 = A … 13 = K; 0 for an empty slot
  int16_t suit = 0;  // 0 Heart, 1 Spade, 2 Diamond, 3 Clover
};

// Code 0 decodes to rank 0, suit 0; a rank 1..13 decodes to itself, which
// lets the extra number be stored either as a code or as a rank.
constexpr DecodedCard DecodeCard(int code) {
  return DecodedCard{static_cast<int16_t>((code - 1) % 13 + 1), static_cast<int16_t>((code - 1) / 13)};
}

namespace detail {
constexpr std::array<int8_t, 53> MakeRankTable() {
  std::array<int8_t, 53> table{};
  for (int code = 0; code <= 52; ++code) table[code] = static_cast<int8_t>(DecodeCard(code).rank);
  return table;
}
inline constexpr std::array<int8_t, 53> kRankOfCode = MakeRankTable();
constexpr std::array<int8_t, 53> MakeSuitTable() {
  std::array<int8_t, 53> table{};
  for (int code = 0; code <= 52; ++code) table[code] = static_cast<int8_t>(DecodeCard(code).suit);
  return table;
}
inline constexpr std::array<int8_t, 53> kSuitOfCode = MakeSuitTable();
}  // namespace detail

// The rank a card counts as (0 for an empty slot).
constexpr int CardRank(int code) {
  if (static_cast<unsigned>(code) <= 52U) [[likely]] return detail::kRankOfCode[code];
  return DecodeCard(code).rank;
}

// The suit of a card (0 for an empty slot).
constexpr int CardSuit(int code) {
  return code >= 0 && code <= 52 ? detail::kSuitOfCode[code] : DecodeCard(code).suit;
}

// The seat `step` places after `seat` in the current direction (step 1 for the
// next seat, 2 for a skip).
constexpr int16_t NextSeat(int seat, int step, int direction) {
  return static_cast<int16_t>(((seat + step * direction) % kSeats + kSeats) % kSeats);
}

using HandRow = std::array<int16_t, kHandSlots>;

// Fills slots 11..13 of a row from its cards: the sum, the sum raised by ten
// when an ace is held, and the product (left 0 once the running product was
// above 999 before a further card).
void RecomputeCallNumbers(HandRow& row);

}  // namespace winpiruk

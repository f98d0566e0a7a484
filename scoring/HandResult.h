#pragma once
// What a finished hand is worth: the points that move between the seats, the
// statistics of the four members at the table, the user's hand log, and the
// texts and cards the result window shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/Piruk930.h"

namespace winpiruk {

// Adds `delta` to a 16-bit score or counter, stopping at the limits of the
// type instead of wrapping.
void AddSaturated(int16_t& field, long long delta);

// The member record of the seat: seat 0 is always the user's own record
// (group 1, member 1), seats 1..3 the members named by `SeatMember`. Empty
// when `SeatMember` points outside the member table.
struct MemberRef {
  int group = 0;
  int member = 0;
};
std::optional<MemberRef> SeatRecord(const Piruk930& state, int seat);

// The statistics of the member sitting in `seat`: seat 0 is always the
// user's own record; null when the seat has no member record.
std::array<int16_t, kMemberStats>* SeatStats(Piruk930& state, int seat);

// Everything the result window shows. Card codes are 1..52; rows hold only
// cards that are present.
struct HandResultView {
  int16_t end_code = 0;
  std::string banner;  // the big line: "ぴるく ", "10 枚を越えました！", …

  std::string first_heading;  // "上がった人 " or "負けた人"
  std::string first_name;     // " [ name ] "
  std::vector<int16_t> first_cards;

  std::string second_heading;  // "振り込んだ人 " for a call
  std::string second_name;
  std::vector<int16_t> second_cards;

  // The cards the hand was decided on: the card called on, or for an
  // initial match the fifth card and the card turned from the draw pile.
  std::vector<int16_t> key_cards;

  int16_t extra_card = 0;  // the heart of the extra number's rank, 0 for none
  std::string extra_caption;

  std::vector<std::string> explanation;  // one entry per line

  // The figures of a call (0 for the other endings).
  int16_t base_points = 0;
  int16_t yaku_count = 0;
  int16_t draw_cards = 0;
  int16_t extra_cards = 0;
  int16_t cards_won = 0;
  int16_t three_card_bonus = 0;
  int16_t points = 0;
};

// Scores the hand that has just ended (`HandEndCode`, `Winner`,
// `CurrentSeat`, `CounterCalled`, the hands and the piles) and applies it to
// the shared state: `Score`, `HasWon`, the members' statistics, the hand log,
// `HandNumber` (a hand with no game is played again under the same number),
// `Winner` and `SeatName`(0). Returns what the result window shows.
HandResultView ShowHandResult(Piruk930& state);

// However the result window closes, the winner leads the next hand.
void CloseHandResult(Piruk930& state);

}  // namespace winpiruk

#pragma once
// What a finished hand is worth: the points that move between the seats, the
// statistics of the four members at the table, the user's hand log, and the
// texts and cards the result window shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/GameState.h"

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
std::optional<MemberRef> SeatRecord(const GameState& state, int seat);

// The statistics of the member sitting in `seat`: seat 0 is always the
// user's own record; null when the seat has no member record.
std::array<int16_t, kMemberStats>* SeatStats(GameState& state, int seat);

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

// One change of a member counter, in the order the scoring makes them: a
// counter near its limit stops there, so the order of changes to one counter
// is part of the result.
struct StatChange {
  int16_t seat = 0;
  MemberStat stat = HandsPlayed;
  long long delta = 0;
};

// The figures of a call, as the explanation shows them.
struct CallFigures {
  long long base = 0;
  long long yaku = 0;
  long long draw_cards = 0;
  long long extra_cards = 0;
  long long cards_won = 0;
  int bonus = 0;  // 20 for three cards won with the bonus option, else 0
  long long points = 0;
  bool extra_counts = false;  // extra-number cards were held and the option is on
  bool second_pass = false;
  bool counter_called = false;
  bool many_cards = false;
};

// What a finished hand is worth, before anything is written into the table.
struct HandScore {
  // The ending as scored: `HandEndCode`, or no game when the seats it names
  // are not seats of the table.
  int16_t ending = kEndNoGame;
  int16_t winner = 0;  // `Winner` as the hand ended
  int16_t loser = 0;   // `CurrentSeat` as the hand ended
  std::array<long long, kSeats> score_change{};  // each seat's net change, added in one step
  std::array<StatChange, 16> stat_changes{};
  int stat_change_count = 0;
  const char* log_text = nullptr;  // the user's hand log line; none when null
  long long log_points = 0;
  int16_t marked_winner = -1;      // the seat whose `HasWon` is set, -1 for none
  bool dealer_leads_again = false;  // `Winner` becomes the dealer
  bool hand_replayed = false;       // the hand is played again under the same number
  CallFigures call;
};

// Computes what the hand that has just ended is worth (`HandEndCode`,
// `Winner`, `CurrentSeat`, `CounterCalled`, the hands and the piles).
HandScore ComputeHandScore(const GameState& state);

// Writes a computed hand into the table: `Score`, `HasWon`, the members'
// statistics, the hand log, `HandNumber`, `Winner` and `SeatName`(0).
void ApplyHandScore(GameState& state, const HandScore& score);

// What the result window shows for a scored hand, read from the table once
// the score has been applied.
HandResultView HandResultText(const GameState& state, const HandScore& score);

// The whole end of a hand: computes, applies, and returns what the result
// window shows.
HandResultView ScoreHand(GameState& state);

// Once the result has been shown, however its window closed, the winner
// leads the next hand.
void CloseHandResult(GameState& state);

}  // namespace winpiruk

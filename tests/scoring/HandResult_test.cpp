#include "scoring/HandResult.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace winpiruk {
namespace {

constexpr int16_t H(int rank) { return static_cast<int16_t>(rank); }
constexpr int16_t S(int rank) { return static_cast<int16_t>(13 + rank); }
constexpr int16_t D(int rank) { return static_cast<int16_t>(26 + rank); }
constexpr int16_t C(int rank) { return static_cast<int16_t>(39 + rank); }

// Places cards in slots 1.. of a seat; `count` overrides slot 0 (a computer
// seat that counter-calls still counts its discarded card).
void Give(GameState& state, int seat, std::vector<int16_t> cards, int count = -1) {
  auto& row = state.table.Hands[seat];
  row.fill(0);
  for (size_t i = 0; i < cards.size(); ++i) row[i + 1] = cards[i];
  row[kHandCount] = static_cast<int16_t>(count < 0 ? static_cast<int>(cards.size()) : count);
}

GameState TableState() {
  GameState state;
  state.match.SeatMember = {2, 3, 4, 5};
  state.members.MemberName[1][1] = "わたし";
  state.match.SeatName = {"", "ｺﾝﾋﾟｭｰﾀA", "ｺﾝﾋﾟｭｰﾀB", "ｺﾝﾋﾟｭｰﾀC"};
  state.table.HandNumber = 3;
  state.table.DrawIndex = 30;
  state.table.Dealer = 1;
  return state;
}

int ScoreSum(const GameState& state) { return std::accumulate(state.match.Score.begin(), state.match.Score.end(), 0); }

int16_t Stat(GameState& state, int seat, MemberStat stat) { return (*SeatStats(state, seat))[stat]; }

struct CallCase {
  const char* name;
  int winner;
  int loser;
  std::vector<std::vector<int16_t>> hands;  // seats 0..3
  int winner_count = -1;                    // -1: the number of cards given
  int16_t top;
  int16_t counter_called = 0;
  int16_t many_card_bonus = 0;
  int16_t extra_enable = 0;
  int16_t extra_number = 0;
  int16_t penalty_card = 2;
  int16_t draw_index = 30;
  // What the hand is worth.
  int base, yaku, draw = 0, extra = 0, cards_won, bonus = 0, points;
  const char* line2;
};

TEST(HandResultCall, ComputesThePointsAndTheExplanation) {
  const std::vector<CallCase> cases = {
      {.name = "worked example", .winner = 1, .loser = 2,
       .hands = {{C(3), C(4)}, {H(3), H(4), H(5)}, {S(2), S(6)}, {D(3), D(4), D(5)}}, .top = H(10),
       .many_card_bonus = 1, .base = 12, .yaku = 1, .draw = 1, .cards_won = 3, .bonus = 20, .points = 44,
       .line2 = "  ﾄﾞﾛｰｶｰﾄﾞ1枚"},
      {.name = "three cards without the bonus option", .winner = 1, .loser = 2,
       .hands = {{C(3), C(4)}, {H(3), H(4), H(5)}, {S(2), S(6)}, {D(3), D(4), D(5)}}, .top = H(10), .base = 12,
       .yaku = 1, .draw = 1, .cards_won = 3, .points = 24, .line2 = "  ﾄﾞﾛｰｶｰﾄﾞ1枚"},
      {.name = "two cards never give a bonus", .winner = 1, .loser = 2, .hands = {{C(3)}, {H(3), H(4)}, {S(6)}, {D(3)}},
       .top = H(7), .many_card_bonus = 1, .base = 6, .yaku = 0, .cards_won = 2, .points = 6, .line2 = " "},
      {.name = "counter-call won by a computer seat counts one card less", .winner = 2, .loser = 0,
       .hands = {{S(6), S(7)}, {C(1), C(3), C(4), C(5), C(6)}, {H(3), H(4), H(5)}, {D(3), D(4), D(5), D(6), D(7)}},
       .winner_count = 4, .top = H(12), .counter_called = 1, .many_card_bonus = 1, .base = 16, .yaku = 2,
       .cards_won = 3, .bonus = 20, .points = 68, .line2 = "  ぴるくがえし(2役)"},
      {.name = "counter-call won by the user counts every card", .winner = 0, .loser = 1,
       .hands = {{H(3), H(4), H(5), H(6)}, {S(6), S(7)}, {C(3)}, {D(3)}}, .top = H(12), .counter_called = 1,
       .many_card_bonus = 1, .base = 9, .yaku = 3, .cards_won = 4, .points = 36, .line2 = "  ぴるくがえし(2役) 4枚上がり(1役)"},
      {.name = "two extra-number cards give one yaku", .winner = 1, .loser = 0,
       .hands = {{S(5), S(6)}, {H(5), H(4), H(7), H(10)}, {C(3)}, {D(3)}}, .top = H(13), .extra_enable = 1,
       .extra_number = S(5), .base = 9, .yaku = 1, .extra = 2, .cards_won = 4, .points = 18, .line2 = "  ｴｸｽﾄﾗﾅﾝﾊﾞｰ2枚"},
      {.name = "a call on the penalty rank counts it twice and as a yaku", .winner = 3, .loser = 2,
       .hands = {{C(3)}, {C(4)}, {H(3), H(4)}, {S(6), S(7)}}, .top = D(2), .base = 8, .yaku = 1, .draw = 1,
       .cards_won = 2, .points = 16, .line2 = "  ﾄﾞﾛｰｶｰﾄﾞ1枚"},
      {.name = "penalty card none counts no empty slot", .winner = 1, .loser = 2,
       .hands = {{C(3), C(4)}, {H(3), H(4), H(5)}, {S(2), S(6)}, {D(3)}}, .top = H(10), .penalty_card = 0, .base = 9,
       .yaku = 0, .cards_won = 3, .points = 9, .line2 = " "},
      {.name = "second pass after a draw card", .winner = 1, .loser = 2,
       .hands = {{C(3)}, {H(3), H(4)}, {S(2), S(6)}, {D(3)}}, .top = H(10), .draw_index = 60, .base = 8, .yaku = 2,
       .draw = 1, .cards_won = 2, .points = 24, .line2 = "  ﾄﾞﾛｰｶｰﾄﾞ1枚, 取り札２順目(1役)"},
      {.name = "many cards after an extra number", .winner = 0, .loser = 3,
       .hands = {{H(5), H(6), H(7), H(3), H(4)}, {C(3)}, {C(4)}, {S(6), S(7)}}, .top = H(13), .many_card_bonus = 1,
       .extra_enable = 1, .extra_number = 5, .base = 10, .yaku = 3, .extra = 1, .cards_won = 5, .points = 40,
       .line2 = "  ｴｸｽﾄﾗﾅﾝﾊﾞｰ1枚, 5枚上がり(2役)"},
  };
  for (const CallCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameState state = TableState();
    for (int seat = 0; seat < kSeats; ++seat) Give(state, seat, c.hands[seat], seat == c.winner ? c.winner_count : -1);
    state.table.HandEndCode = kEndCall;
    state.table.Winner = static_cast<int16_t>(c.winner);
    state.table.CurrentSeat = static_cast<int16_t>(c.loser);
    state.table.TopDiscard = c.top;
    state.table.CounterCalled = c.counter_called;
    state.settings.ManyCardBonus = c.many_card_bonus;
    state.settings.ExtraCardEnable = c.extra_enable;
    state.table.ExtraNumber = c.extra_number;
    state.settings.PenaltyCard = c.penalty_card;
    state.table.DrawIndex = c.draw_index;

    const HandResultView view = ScoreHand(state);
    EXPECT_EQ(view.base_points, c.base);
    EXPECT_EQ(view.yaku_count, c.yaku);
    EXPECT_EQ(view.draw_cards, c.draw);
    EXPECT_EQ(view.extra_cards, c.extra);
    EXPECT_EQ(view.cards_won, c.cards_won);
    EXPECT_EQ(view.three_card_bonus, c.bonus);
    EXPECT_EQ(view.points, c.points);
    ASSERT_EQ(view.explanation.size(), 3u);
    EXPECT_EQ(view.explanation[1], c.line2);
    EXPECT_EQ(state.match.Score[c.winner], c.points);
    EXPECT_EQ(state.match.Score[c.loser], -c.points);
    EXPECT_EQ(ScoreSum(state), 0);
    EXPECT_TRUE(state.match.HasWon[c.winner]);
    EXPECT_EQ(Stat(state, c.winner, Wins), 1);
    EXPECT_EQ(Stat(state, c.winner, YakuTotal), c.yaku);
    EXPECT_EQ(Stat(state, c.winner, PointsWon), c.points);
    EXPECT_EQ(Stat(state, c.winner, CounterCalls), c.counter_called);
    EXPECT_EQ(Stat(state, c.winner, WinNumberTotal), (c.top - 1) % 13 + 1);
    EXPECT_EQ(Stat(state, c.loser, DealIns), 1);
    EXPECT_EQ(Stat(state, c.loser, PointsLost), c.points);
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(Stat(state, seat, HandsPlayed), 1);
    if (c.winner == 0) {
      EXPECT_EQ(state.match.HandLogPoints[3], c.points);
      EXPECT_EQ(state.match.HandLogText[3], "あがり");
    } else if (c.loser == 0) {
      EXPECT_EQ(state.match.HandLogPoints[3], -c.points);
      EXPECT_EQ(state.match.HandLogText[3], "振込み");
    } else {
      EXPECT_EQ(state.match.HandLogText[3], "");
    }
    EXPECT_EQ(view.key_cards, std::vector<int16_t>{c.top});
  }
}

TEST(HandResultCall, WorkedExampleShowsTheThreeLinesExactly) {
  GameState state = TableState();
  Give(state, 0, {C(3), C(4)});
  Give(state, 1, {H(3), H(4), H(5)});
  Give(state, 2, {S(2), S(6)});
  Give(state, 3, {D(3), D(4), D(5)});
  state.table.HandEndCode = kEndCall;
  state.table.Winner = 1;
  state.table.CurrentSeat = 2;
  state.table.TopDiscard = H(10);
  state.settings.ManyCardBonus = 1;

  const HandResultView view = ScoreHand(state);
  EXPECT_EQ(view.explanation, (std::vector<std::string>{" 基礎点=12点 + 20点(3枚上がり)  ", "  ﾄﾞﾛｰｶｰﾄﾞ1枚",
                                                         "  [  12点 × (役1 +1) + 20点 = 44点 ]"}));
  EXPECT_EQ(view.banner, "ぴるく ");
  EXPECT_EQ(view.first_heading, "上がった人 ");
  EXPECT_EQ(view.first_name, " [ ｺﾝﾋﾟｭｰﾀA ] ");
  EXPECT_EQ(view.second_heading, "振り込んだ人 ");
  EXPECT_EQ(view.second_name, " [ ｺﾝﾋﾟｭｰﾀB ] ");
  EXPECT_EQ(view.first_cards, (std::vector<int16_t>{H(3), H(4), H(5)}));
  EXPECT_EQ(view.second_cards, (std::vector<int16_t>{S(2), S(6)}));
  EXPECT_EQ(view.extra_card, 0);
  EXPECT_EQ(state.match.SeatName[0], "わたし");

  state.settings.ManyCardBonus = 0;
  GameState without_bonus = state;
  without_bonus.match.Score.fill(0);
  const HandResultView plain = ScoreHand(without_bonus);
  EXPECT_EQ(plain.explanation[0], " 基礎点=12点  ");
  EXPECT_EQ(plain.explanation[2], "  [  12点 × (役1 +1) = 24点 ]");
}

// A call shows the extra number, any rank up to the king, as a heart;
// other endings and a game without it show none.
TEST(HandResultCall, ShowsTheExtraNumberAsAHeartCard) {
  struct Case {
    const char* name;
    int16_t enabled, end_code, extra;
    int16_t shown;
  };
  const Case cases[] = {
      {"a jack", 1, kEndCall, C(11), H(11)},
      {"a king", 1, kEndCall, S(13), H(13)},
      {"an ace", 1, kEndCall, D(1), H(1)},
      {"the option off", 0, kEndCall, C(11), 0},
      {"a card over", 1, kEndCardOver, C(11), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameState state = TableState();
    Give(state, 0, {C(3)});
    Give(state, 1, {H(3), H(4)});
    Give(state, 2, {S(6)});
    Give(state, 3, {D(3)});
    state.table.HandEndCode = c.end_code;
    state.table.Winner = 1;
    state.table.CurrentSeat = 2;
    state.table.TopDiscard = H(7);
    state.settings.ExtraCardEnable = c.enabled;
    state.table.ExtraNumber = c.extra;
    const HandResultView view = ScoreHand(state);
    EXPECT_EQ(view.extra_card, c.shown);
    EXPECT_EQ(view.extra_caption, c.shown ? "ｴｸｽﾄﾗ ﾅﾝﾊﾞｰ" : "");
    EXPECT_EQ(view.extra_cards, 0);
  }
}

struct FixedEndingCase {
  const char* name;
  int16_t end_code;
  int16_t finish_means = 0;
  int16_t winner;
  int16_t current;
  std::array<int, kSeats> score_change;
  int16_t log_points;
  const char* log_text;
  int16_t next_dealer;
  std::array<bool, kSeats> has_won{};
};

TEST(HandResultFixedPayments, MovePointsAndWriteTheLog) {
  const std::vector<FixedEndingCase> cases = {
      {.name = "overflow by a computer seat", .end_code = kEndCardOver, .winner = 2, .current = 3,
       .score_change = {20, 20, 20, -60}, .log_points = 20, .log_text = "10ｵｰﾊﾞｰ分", .next_dealer = 1},
      {.name = "overflow by the user", .end_code = kEndCardOver, .winner = 2, .current = 0,
       .score_change = {-60, 20, 20, 20}, .log_points = -60, .log_text = "10ｵｰﾊﾞｰ失点", .next_dealer = 1},
      {.name = "discard-finish that scores, by a computer seat", .end_code = kEndDiscardFinish, .finish_means = 3,
       .winner = 2, .current = 2, .score_change = {-5, -5, 15, -5}, .log_points = 0, .log_text = "",
       .next_dealer = 2},
      {.name = "discard-finish that scores, by the user", .end_code = kEndDiscardFinish, .finish_means = 3,
       .winner = 0, .current = 0, .score_change = {15, -5, -5, -5}, .log_points = 15, .log_text = "捨てあがり",
       .next_dealer = 0},
      {.name = "discard-finish that costs, by a computer seat", .end_code = kEndDiscardFinish, .winner = 3,
       .current = 3, .score_change = {5, 5, 5, -15}, .log_points = 5, .log_text = "捨てあがり分", .next_dealer = 3},
      {.name = "discard-finish that costs, by the user", .end_code = kEndDiscardFinish, .finish_means = 2,
       .winner = 0, .current = 0, .score_change = {-15, 5, 5, 5}, .log_points = -15, .log_text = "捨てあがり失点",
       .next_dealer = 0},
      {.name = "initial match by a computer dealer", .end_code = kEndInitialMatch, .winner = 1, .current = 1,
       .score_change = {-30, 90, -30, -30}, .log_points = -30, .log_text = "被ｲﾆｼｬﾙ失点", .next_dealer = 1,
       .has_won = {0, 1, 0, 0}},
  };
  for (const FixedEndingCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameState state = TableState();
    state.match.Score = {100, 0, -50, 10};
    const auto before = state.match.Score;
    for (int seat = 0; seat < kSeats; ++seat) Give(state, seat, {H(1), S(2), D(3), C(4), H(5)});
    state.table.HandEndCode = c.end_code;
    state.settings.FinishMeans = c.finish_means;
    state.table.Winner = c.winner;
    state.table.CurrentSeat = c.current;
    state.match.HandLogPoints[3] = 0;

    const HandResultView view = ScoreHand(state);
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(state.match.Score[seat] - before[seat], c.score_change[seat]);
    EXPECT_EQ(state.match.HandLogPoints[3], c.log_points);
    EXPECT_EQ(state.match.HandLogText[3], c.log_text);
    CloseHandResult(state);
    EXPECT_EQ(state.table.Dealer, c.next_dealer);
    EXPECT_EQ(state.match.HasWon, c.has_won);
    EXPECT_EQ(state.table.HandNumber, 3);
    for (int seat = 0; seat < kSeats; ++seat) {
      const int change = c.score_change[seat];
      const int gained = Stat(state, seat, PointsWon);
      const int lost = Stat(state, seat, PointsLost);
      // A discard-finish that scores takes its five points out of the
      // others' points won, as the member record has always counted it.
      const bool finish_scores = c.end_code == kEndDiscardFinish && c.finish_means == 3;
      EXPECT_EQ(finish_scores ? gained : gained - lost, change);
      EXPECT_EQ(Stat(state, seat, HandsPlayed), 1);
    }
    const MemberStat counted = c.end_code == kEndDiscardFinish ? Wins
                               : c.end_code == kEndCardOver    ? CardOvers
                                                               : InitialMatches;
    const int counted_seat = c.end_code == kEndCardOver ? c.current : c.winner;
    EXPECT_EQ(Stat(state, counted_seat, counted), 1);
    EXPECT_FALSE(view.explanation.empty());
  }
}

TEST(HandResultFixedPayments, OverflowShowsTheFirstNineCards) {
  GameState state = TableState();
  Give(state, 3, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10)});
  state.table.HandEndCode = kEndCardOver;
  state.table.CurrentSeat = 3;
  const HandResultView view = ScoreHand(state);
  EXPECT_EQ(view.banner, "10 枚を越えました！");
  EXPECT_EQ(view.first_heading, "負けた人");
  EXPECT_EQ(view.first_name, " [ ｺﾝﾋﾟｭｰﾀC ] ");
  EXPECT_EQ(view.first_cards, (std::vector<int16_t>{H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9)}));
  EXPECT_EQ(view.explanation, std::vector<std::string>{" 各プレーヤーへ20点(計60点)払います."});
  EXPECT_EQ(state.table.Winner, state.table.Dealer);
}

TEST(HandResultFixedPayments, InitialMatchShowsTheFourAndTheTwoCards) {
  GameState state = TableState();
  Give(state, 0, {H(3), S(4), D(5), C(6), H(9)});
  state.table.DrawIndex = 21;
  state.table.DeckSlots[21] = S(9);
  state.table.HandEndCode = kEndInitialMatch;
  state.table.Dealer = 0;
  state.table.Winner = 0;
  const HandResultView view = ScoreHand(state);
  EXPECT_EQ(view.first_cards, (std::vector<int16_t>{H(3), S(4), D(5), C(6)}));
  EXPECT_EQ(view.key_cards, (std::vector<int16_t>{H(9), S(9)}));
  // No card where the next one would be drawn: only the dealer's own is shown.
  GameState no_second = state;
  no_second.table.DeckSlots[21] = 0;
  EXPECT_EQ(ScoreHand(no_second).key_cards, std::vector<int16_t>{H(9)});
  EXPECT_EQ(view.explanation,
            (std::vector<std::string>{" イニシャルマッチ！", " 各プレーヤーから30点貰います(計90点). "}));
  EXPECT_EQ(state.match.HandLogPoints[3], 90);
  EXPECT_EQ(state.match.HandLogText[3], "ｲﾆｼｬﾙあがり");
  EXPECT_EQ(state.match.Score, (std::array<int16_t, kSeats>{90, -30, -30, -30}));
}

TEST(HandResultNoGame, CountsTheHandAndPlaysItAgain) {
  GameState state = TableState();
  state.table.HandEndCode = kEndNoGame;
  state.table.Winner = 2;
  const HandResultView view = ScoreHand(state);
  EXPECT_EQ(view.banner, "ゲームはお流れです...");
  EXPECT_EQ(state.table.HandNumber, 2);
  EXPECT_EQ(state.match.Score, (std::array<int16_t, kSeats>{}));
  for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(Stat(state, seat, HandsPlayed), 1);
  EXPECT_EQ(state.match.HandLogText[3], "");
}

TEST(HandResultLimits, ScoresAndCountersSaturate) {
  GameState state = TableState();
  Give(state, 0, {H(3), H(4)});
  Give(state, 1, {S(6)});
  Give(state, 2, {C(3)});
  Give(state, 3, {D(3)});
  state.table.HandEndCode = kEndCall;
  state.table.Winner = 0;
  state.table.CurrentSeat = 1;
  state.table.TopDiscard = H(7);
  state.match.Score = {32765, -32765, 0, 0};  // the call is worth 6
  (*SeatStats(state, 0))[PointsWon] = 32767;
  (*SeatStats(state, 1))[PointsLost] = 32767;
  ScoreHand(state);
  EXPECT_EQ(state.match.Score[0], 32767);
  EXPECT_EQ(state.match.Score[1], -32768);
  EXPECT_EQ(Stat(state, 0, PointsWon), 32767);
  EXPECT_EQ(Stat(state, 1, PointsLost), 32767);
}

// A payment to every seat and the settling seat's difference are one move:
// a score near a limit must not stop at it half way and lose the rest.
TEST(HandResultLimits, AFixedPaymentSaturatesOnlyTheNetChange) {
  GameState overflow = TableState();
  Give(overflow, 3, {H(1), H(2)});
  overflow.table.HandEndCode = kEndCardOver;
  overflow.table.CurrentSeat = 3;
  overflow.match.Score = {32760, 0, 0, 32760};
  ScoreHand(overflow);
  EXPECT_EQ(overflow.match.Score, (std::array<int16_t, kSeats>{32767, 20, 20, 32700}));

  GameState initial = TableState();
  Give(initial, 1, {H(3), S(4), D(5), C(6), H(9)});
  initial.table.HandEndCode = kEndInitialMatch;
  initial.table.Dealer = 1;
  initial.table.Winner = 1;
  initial.match.Score = {0, -32760, 0, 0};
  ScoreHand(initial);
  EXPECT_EQ(initial.match.Score, (std::array<int16_t, kSeats>{-30, -32670, -30, -30}));
}

TEST(HandResultLimits, LeavesTheLogAloneOutsideItsEntries) {
  GameState state = TableState();
  state.table.HandNumber = 11;
  Give(state, 0, {H(3)});
  state.table.HandEndCode = kEndCardOver;
  state.table.CurrentSeat = 0;
  ScoreHand(state);
  for (const auto& text : state.match.HandLogText) EXPECT_EQ(text, "");
}

}  // namespace
}  // namespace winpiruk

namespace winpiruk {
namespace {

TEST(HandResult, OnlyTheFourSeatsHaveARecord) {
  GameState state;
  state.match.SeatMember = {2, 3, 4, 5};
  for (const int seat : {-1, 4, 5, 100}) {
    EXPECT_EQ(SeatRecord(state, seat), std::nullopt) << seat;
    EXPECT_EQ(SeatStats(state, seat), nullptr) << seat;
  }
  for (int seat = 0; seat < kSeats; ++seat) {
    const std::optional<MemberRef> ref = SeatRecord(state, seat);
    ASSERT_TRUE(ref.has_value()) << seat;
    // The user is member 1 of group 1; the others are members of the seated group.
    EXPECT_EQ(ref->group, seat == 0 ? 1 : 2) << seat;
    EXPECT_EQ(ref->member, seat == 0 ? 1 : seat + 2) << seat;
  }
  state.match.SeatMember[2] = 11;  // no such member
  EXPECT_EQ(SeatRecord(state, 2), std::nullopt);
}

}  // namespace
}  // namespace winpiruk

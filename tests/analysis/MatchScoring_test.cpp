// The runner's and the analyser's checks of the scoring: a hand and a match
// scored as the rules say pass; each way of scoring them wrongly is caught.
#include "analysis/MatchScoring.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "scoring/HandResult.h"
#include "scoring/Settlement.h"

namespace winpiruk::analysis {
namespace {

constexpr int16_t S(int rank) { return static_cast<int16_t>(13 + rank); }
constexpr int16_t H(int rank) { return static_cast<int16_t>(rank); }

struct Table {
  Table() : scoring(state) {
    state.match.MatchInProgress = true;
    state.table.HandNumber = 1;
    state.table.Dealer = 0;
  }
  GameState state;
  MatchScoring scoring;
};

// Seat 1 calls on seat 2's discard of the 7 of spades with 3 + 4.
void EndWithACall(GameState& s) {
  s.table.HandEndCode = kEndCall;
  s.table.Winner = 1;
  s.table.CurrentSeat = 2;
  s.table.TopDiscard = S(7);
  s.table.DrawIndex = 30;
  for (auto& row : s.table.Hands) row.fill(0);
  s.table.Hands[1] = {2, H(3), S(4)};
  s.table.Hands[2] = {1, S(9)};
  s.table.Hands[0] = {1, H(9)};
  s.table.Hands[3] = {1, H(10)};
}

void EndWithACardOver(GameState& s) {
  s.table.HandEndCode = kEndCardOver;
  s.table.CurrentSeat = 3;
}

int16_t* MemberPointsOf(GameState& s, int seat) {
  const MemberRef ref = *SeatRecord(s, seat);
  return &s.members.MemberPoints[ref.group][ref.member];
}

// One more point to a row, told everywhere it shows.
void PayOneMore(GameState& s, SettlementRow& row) {
  ++s.match.Score[row.seat];
  ++row.after_uma_value;
  ++row.total_value;
  ++(*MemberPointsOf(s, row.seat));
}

using Tamper = std::function<void(GameState&, HandResultView&)>;

struct HandCase {
  const char* name;
  std::function<void(GameState&)> ending;
  Tamper tamper;  // none: scored as the rules say
};

TEST(MatchScoring, AHandScoredWronglyIsCaught) {
  const std::vector<HandCase> cases = {
      {"a call", EndWithACall, {}},
      {"a card over", EndWithACardOver, {}},
      {"a call worth other points than its figures", EndWithACall,
       [](GameState&, HandResultView& v) { v.points += 1; }},
      {"a call whose base points are wrong", EndWithACall,
       [](GameState&, HandResultView& v) { v.base_points += 1; }},
      {"points that are not zero-sum", EndWithACardOver, [](GameState& s, HandResultView&) { ++s.match.Score[0]; }},
      {"points moved between seats", EndWithACardOver,
       [](GameState& s, HandResultView&) {
         ++s.match.Score[0];
         --s.match.Score[1];
       }},
      {"a counter of the caller", EndWithACall,
       [](GameState& s, HandResultView&) { ++(*SeatStats(s, 1))[Wins]; }},
      {"a counter of the seat dealt in", EndWithACall,
       [](GameState& s, HandResultView&) { --(*SeatStats(s, 2))[PointsLost]; }},
      {"a winner marked who did not win", EndWithACardOver, [](GameState& s, HandResultView&) { s.match.HasWon[0] = true; }},
      {"the caller left unmarked", EndWithACall, [](GameState& s, HandResultView&) { s.match.HasWon[1] = false; }},
      {"the hand's number", EndWithACardOver, [](GameState& s, HandResultView&) { ++s.table.HandNumber; }},
  };
  for (const HandCase& c : cases) {
    SCOPED_TRACE(c.name);
    Table t;
    c.ending(t.state);
    HandResultView view = ScoreHand(t.state);
    if (c.tamper) c.tamper(t.state, view);
    t.scoring.HandEnded(view);
    EXPECT_EQ(t.scoring.checks, 1);
    if (c.tamper) {
      EXPECT_GT(t.scoring.failures, 0);
      ASSERT_FALSE(t.scoring.notes.empty());
      EXPECT_EQ(t.scoring.notes.front().rfind("match 1, hand 1: ", 0), 0u) << t.scoring.notes.front();
    } else {
      EXPECT_EQ(t.scoring.failures, 0) << (t.scoring.notes.empty() ? "" : t.scoring.notes.front());
    }
  }
}

// The analyser's table seats the group's first four members, one to a seat.
TEST(MatchScoring, EachSeatIsItsOwnMember) {
  Table t;
  for (int seat = 0; seat < kSeats; ++seat) {
    const std::optional<MemberRef> ref = SeatRecord(t.state, seat);
    ASSERT_TRUE(ref.has_value()) << seat;
    EXPECT_EQ(ref->group, 1);
    EXPECT_EQ(ref->member, seat + 1);
  }
}

TEST(MatchScoring, OnlyTheFirstTenFailuresAreNoted) {
  Table t;
  for (int hand = 1; hand <= 12; ++hand) {
    EndWithACardOver(t.state);
    HandResultView view = ScoreHand(t.state);
    ++t.state.match.Score[0];
    t.scoring.HandEnded(view);
  }
  EXPECT_GE(t.scoring.failures, 12);
  EXPECT_EQ(t.scoring.notes.size(), 10u);
}

struct MatchCase {
  const char* name;
  std::function<void(GameState&, SettlementView&)> tamper;
};

TEST(MatchScoring, AMatchSettledWronglyIsCaught) {
  const std::vector<MatchCase> cases = {
      {"as settled", {}},
      {"member files not written", [](GameState&, SettlementView& v) { v.files_written = false; }},
      {"a winner mark left", [](GameState& s, SettlementView&) { s.match.HasWon[2] = true; }},
      {"rows out of order", [](GameState&, SettlementView& v) { std::swap(v.rows[0], v.rows[3]); }},
      {"the last two rows out of order", [](GameState&, SettlementView& v) { std::swap(v.rows[2], v.rows[3]); }},
      {"no first place", [](GameState&, SettlementView& v) { v.rows[0].rank = 2; }},
      {"a rank beyond the seats", [](GameState&, SettlementView& v) { v.rows[3].rank = kSeats + 1; }},
      {"a member's points", [](GameState& s, SettlementView& v) { ++(*MemberPointsOf(s, v.rows[1].seat)); }},
      {"a member's games", [](GameState& s, SettlementView& v) { ++(*SeatStats(s, v.rows[2].seat))[GamesPlayed]; }},
      {"a member's rank total", [](GameState& s, SettlementView& v) { --(*SeatStats(s, v.rows[0].seat))[RankTotal]; }},
      {"a table total", [](GameState&, SettlementView& v) { ++v.rows[1].total_value; }},
      {"uma that is not zero-sum", [](GameState& s, SettlementView& v) { PayOneMore(s, v.rows[0]); }},
      // Only two pairs of equal scores (or four) may pay an uma that does not
      // add up to naught; a tie at the bottom alone may not.
      {"uma that is not zero-sum with the last two tied",
       [](GameState& s, SettlementView& v) {
         v.sorted_scores = {30, 10, -20, -20};
         PayOneMore(s, v.rows[0]);
       }},
      {"uma that is not zero-sum with the top two tied",
       [](GameState& s, SettlementView& v) {
         v.sorted_scores = {30, 30, 10, -70};
         PayOneMore(s, v.rows[0]);
       }},
      {"a rank of naught", [](GameState&, SettlementView& v) { v.rows[3].rank = 0; }},
      {"yakitori that is not zero-sum", [](GameState& s, SettlementView& v) {
         ++v.rows[2].yakitori_value;
         ++v.rows[2].total_value;
         ++(*MemberPointsOf(s, v.rows[2].seat));
       }},
  };
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    Table t;
    t.state.settings.BonusSwitch = 1;
    EndWithACall(t.state);
    t.scoring.HandEnded(ScoreHand(t.state));
    ASSERT_EQ(t.scoring.failures, 0) << t.scoring.notes.front();
    ScratchFolder folder;
    SettlementView view = SettleMatch(t.state, 600, MatchScoring::WriterInto(folder.path()));
    if (c.tamper) c.tamper(t.state, view);
    const bool done = t.scoring.MatchEnded(view, 1);
    EXPECT_TRUE(done);
    EXPECT_EQ(t.scoring.matches, 1);
    if (c.tamper) {
      EXPECT_GT(t.scoring.failures, 0);
    } else {
      EXPECT_EQ(t.scoring.failures, 0) << (t.scoring.notes.empty() ? "" : t.scoring.notes.front());
    }
  }
}

}  // namespace
}  // namespace winpiruk::analysis

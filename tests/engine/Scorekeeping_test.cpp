// The engine scores every hand and settles every match before it asks the
// view to show them, and applies the user's answer to the settlement.
#include <gtest/gtest.h>

#include <optional>

#include "engine/Engine.h"
#include "support/RecordingView.h"
#include "support/StoppedClock.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

// The user draws a tenth card from the pile: the hand ends over ten cards,
// the last hand of a one-hand match. `Winner` is stale from an earlier hand.
GameState CardOverTable() {
  GameState s = BuildTable(TableWith({S(1), S(2), S(3), S(4), S(5), S(6), S(8), S(9), S(10)}, H(7)));
  s.match.SeatMember = {1, 2, 3, 4};
  s.members.MemberName[1][1] = "わたし";
  s.match.SeatName = {"", "ｱｷ", "ﾊﾙ", "ﾅﾂ"};
  s.table.Dealer = 2;
  s.table.Winner = 1;
  s.match.MatchStartTime = 36000;
  s.settings.BonusSwitch = 1;
  return s;
}

struct Table {
  explicit Table(GameState table, bool keep_score = true)
      : s(std::move(table)), real(7), engine(s, view, random, clock, Keeping(keep_score)) {
    random.FallBackTo(&real);
    view.on_call = [this](const std::string& call) {
      if (call == "ShowHandResult") at_result = s;
      if (call.starts_with("ShowSettlement")) {
        at_settlement = s;
        writes_at_settlement = files.writes;
      }
    };
  }
  Scorekeeping Keeping(bool keep_score) {
    Scorekeeping keeping = files.Keeping();
    keeping.on = keep_score;
    return keeping;
  }
  void DrawTheTenthCard() {
    s.table.UserPick = kPickDrawPile;
    engine.PlayTurn();
  }
  const MemberTable& Members() const { return s.members; }

  GameState s;
  RecordingView view;
  ScriptedRandom random;
  StandardRandom real;
  test::StoppedClock clock{TimeOfDay{}};
  MemberFilesRecord files;
  Engine engine;
  std::optional<GameState> at_result;
  std::optional<GameState> at_settlement;
  int writes_at_settlement = -1;
};

TEST(Scorekeeping, TheHandIsScoredBeforeItIsShown) {
  Table t(CardOverTable());
  t.view.settlements = {SettlementOutcome::EndProgram};
  t.DrawTheTenthCard();

  ASSERT_EQ(t.view.results.size(), 1u);
  const HandResultView& shown = t.view.results[0];
  EXPECT_EQ(shown.end_code, kEndCardOver);
  EXPECT_EQ(shown.banner, "10 枚を越えました！");
  EXPECT_EQ(shown.first_name, " [ わたし ] ");
  ASSERT_TRUE(t.at_result);
  EXPECT_EQ(t.at_result->match.Score, (std::array<int16_t, kSeats>{-60, 20, 20, 20}));
  EXPECT_EQ(t.at_result->match.HandLogPoints[1], -60);
  EXPECT_EQ(t.at_result->match.HandLogText[1], "10ｵｰﾊﾞｰ失点");
  const auto& user = t.at_result->members.MemberStats[1][1];
  EXPECT_EQ(user[HandsPlayed], 1);
  EXPECT_EQ(user[CardOvers], 1);
  EXPECT_EQ(user[PointsLost], 60);
  EXPECT_EQ(t.at_result->members.MemberStats[1][3][PointsWon], 20);
  // Over ten cards the dealer deals again, whoever won before.
  ASSERT_TRUE(t.at_settlement);
  EXPECT_EQ(t.at_settlement->table.Winner, 2);
  EXPECT_EQ(t.at_settlement->table.Dealer, 2);
}

TEST(Scorekeeping, TheMatchIsSettledAndWrittenBeforeItIsShown) {
  Table t(CardOverTable());
  t.view.settlements = {SettlementOutcome::EndProgram};
  t.DrawTheTenthCard();

  const int game_over = t.view.IndexOf("PlaySound GameOver");
  EXPECT_GT(game_over, t.view.IndexOf("ShowHandResult"));
  EXPECT_LT(game_over, t.view.IndexOf("ShowSettlement EndProgram"));
  EXPECT_EQ(t.writes_at_settlement, 1);
  EXPECT_EQ(t.files.writes, 1);
  ASSERT_EQ(t.view.settled.size(), 1u);
  const SettlementView& shown = t.view.settled[0];
  EXPECT_TRUE(shown.files_written);
  EXPECT_EQ(shown.game_time, "ゲーム時間 :" + std::string(" 0") + "分");
  // Three seats tie on 20 ahead of the user: 33 each, the user pays 99.
  EXPECT_EQ(t.s.match.Score, (std::array<int16_t, kSeats>{-159, 53, 53, 53}));
  EXPECT_EQ(shown.rows[3].seat, 0);
  EXPECT_EQ(shown.rows[3].total_value, t.Members().MemberPoints[1][1]);
  EXPECT_EQ(t.Members().MemberStats[1][1][GamesPlayed], 1);
  EXPECT_EQ(t.s.match.HasWon, (std::array<bool, kSeats>{}));
}

TEST(Scorekeeping, TheAnswerToTheSettlementIsApplied) {
  struct Case {
    const char* name;
    SettlementOutcome answer;
    bool new_match;       // scores from zero, started at the time of the answer
    bool member_window;   // the match is left and the members are chosen again
  };
  const Case cases[] = {
      {"another match", SettlementOutcome::AnotherMatch, true, false},
      {"members change", SettlementOutcome::ChangeMembers, false, true},
      {"end of the program", SettlementOutcome::EndProgram, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameState table = CardOverTable();
    table.table.AutoPlay = c.member_window ? 1 : 0;
    Table t(table);
    t.view.settlements = {c.answer};
    t.files.time_of_day = 40000;
    t.DrawTheTenthCard();
    const bool scores_kept = !c.new_match && !c.member_window;
    EXPECT_EQ(t.s.match.Score == t.at_settlement->match.Score, scores_kept);
    EXPECT_EQ(t.s.match.Score == (std::array<int16_t, kSeats>{}), !scores_kept);
    EXPECT_EQ(t.s.match.MatchStartTime, c.new_match ? 40000 : 36000);
    EXPECT_EQ(t.s.match.HandLogText[1].empty(), c.new_match);
    EXPECT_EQ(t.s.match.MatchInProgress, !c.member_window);
    EXPECT_FALSE(t.s.table.AutoPlay);
    EXPECT_EQ(t.view.Has("ShowMemberDecision"), c.member_window);
    // Another match deals its first hand at once; leaving the match empties it.
    EXPECT_EQ(t.s.table.HandNumber, !c.member_window);
  }
}

TEST(Scorekeeping, CountedHandsArePlayedUnscored) {
  Table t(CardOverTable(), false);
  t.view.settlements = {SettlementOutcome::EndProgram};
  t.DrawTheTenthCard();

  ASSERT_EQ(t.view.results.size(), 1u);
  EXPECT_EQ(t.view.results[0].end_code, kEndCardOver);
  EXPECT_TRUE(t.view.results[0].banner.empty());
  EXPECT_EQ(t.s.match.Score, (std::array<int16_t, kSeats>{}));
  EXPECT_EQ(t.Members().MemberStats[1][1][HandsPlayed], 0);
  EXPECT_EQ(t.files.writes, 0);
  ASSERT_EQ(t.view.settled.size(), 1u);
  EXPECT_TRUE(t.view.settled[0].game_time.empty());
}

}  // namespace
}  // namespace winpiruk

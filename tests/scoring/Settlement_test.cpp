#include "scoring/Settlement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "scoring/HandResult.h"
#include "scoring/MemberFiles.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

using Four = std::array<int, kSeats>;

GameState MatchState(Four scores) {
  GameState state;
  state.match.SeatMember = {2, 4, 6, 8};
  state.members.MemberName[1][1] = "わたし";
  state.match.SeatName = {"わたし", "ｱｷ", "ﾊﾙ", "ﾅﾂ"};
  for (int seat = 0; seat < kSeats; ++seat) {
    state.match.Score[seat] = static_cast<int16_t>(scores[seat]);
    const auto ref = *SeatRecord(state, seat);
    state.members.MemberPoints[ref.group][ref.member] = 1000;
  }
  state.match.HasWon = {true, true, true, true};
  state.match.MatchStartTime = 36000;
  return state;
}

int16_t Points(const GameState& state, int seat) {
  const auto ref = *SeatRecord(state, seat);
  return state.members.MemberPoints[ref.group][ref.member];
}

int16_t Stat(GameState& state, int seat, MemberStat stat) { return (*SeatStats(state, seat))[stat]; }

struct UmaCase {
  const char* name;
  Four scores;
  int16_t bonus_switch;
  Four after;        // by seat
  Four rank;         // recorded rank by seat
  Four order;        // seats of the rows, top first
};

TEST(Settlement, PaysUmaAndRecordsRanks) {
  const std::vector<UmaCase> cases = {
      {"no ties", {40, 20, 0, -60}, 1, {140, 70, -50, -160}, {1, 2, 3, 4}, {0, 1, 2, 3}},
      {"a lower place loses more", {100, 50, 0, -50}, 1, {200, 100, -50, -150}, {1, 2, 3, 4}, {0, 1, 2, 3}},
      {"user last", {-60, 0, 20, 40}, 1, {-160, -50, 70, 140}, {4, 3, 2, 1}, {3, 2, 1, 0}},
      {"top two tied", {30, 0, 30, -60}, 1, {105, -50, 105, -160}, {1, 3, 1, 4}, {0, 2, 1, 3}},
      {"middle two tied", {10, 40, 10, -60}, 1, {10, 140, 10, -160}, {2, 1, 2, 4}, {1, 0, 2, 3}},
      {"bottom two tied", {40, 20, -30, -30}, 1, {140, 70, -105, -105}, {1, 2, 3, 3}, {0, 1, 2, 3}},
      {"two pairs", {30, -30, 30, -30}, 1, {130, -105, 130, -105}, {1, 3, 1, 3}, {0, 2, 1, 3}},
      {"three tied at the top", {20, 20, -60, 20}, 1, {53, 53, -159, 53}, {1, 1, 4, 1}, {0, 1, 3, 2}},
      {"three tied at the bottom", {-20, 60, -20, -20}, 1, {-53, 159, -53, -53}, {2, 1, 2, 2}, {1, 0, 2, 3}},
      {"all four tied", {0, 0, 0, 0}, 1, {99, 99, 99, 99}, {1, 1, 2, 2}, {0, 1, 2, 3}},
      {"no uma", {40, 20, 0, -60}, 0, {40, 20, 0, -60}, {1, 1, 1, 1}, {0, 1, 2, 3}},
  };
  for (const UmaCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameState state = MatchState(c.scores);
    state.settings.BonusSwitch = c.bonus_switch;
    const SettlementView view = SettleMatch(state, 36000, {});
    for (int seat = 0; seat < kSeats; ++seat) {
      EXPECT_EQ(state.match.Score[seat], c.after[seat]) << "seat " << seat;
      EXPECT_EQ(Stat(state, seat, RankTotal), c.rank[seat]) << "seat " << seat;
      EXPECT_EQ(Stat(state, seat, GamesPlayed), 1);
      EXPECT_EQ(Points(state, seat), 1000 + c.after[seat]);
    }
    for (int i = 0; i < kSeats; ++i) {
      const SettlementRow& row = view.rows[i];
      EXPECT_EQ(row.seat, c.order[i]) << "row " << i;
      EXPECT_EQ(row.after_uma_value, c.after[row.seat]);
      EXPECT_EQ(row.rank, c.rank[row.seat]);
      EXPECT_EQ(row.is_user, row.seat == 0);
      EXPECT_EQ(row.name, state.match.SeatName[row.seat]) << "the user's row shows the user's own name";
      EXPECT_EQ(row.uma, c.bonus_switch ? row.uma : "なし");
      EXPECT_EQ(row.yakitori, "なし");
      EXPECT_EQ(row.total_value, row.after_uma_value);
    }
  }
}

TEST(Settlement, FillsTheColumnsWithoutCuttingSigns) {
  GameState state = MatchState({5, 1234, -1234, -5});
  state.match.Score = {5, 12340, -12340, -5};
  const SettlementView view = SettleMatch(state, 36000, {});
  // Rows: 12340+100, 5+50, -5-50, -12340-100.
  EXPECT_EQ(view.rows[0].score, " 12340");
  EXPECT_EQ(view.rows[0].uma, " 100");
  EXPECT_EQ(view.rows[0].after_uma, " 12440");
  EXPECT_EQ(view.rows[1].score, "   5");
  EXPECT_EQ(view.rows[1].uma, "  50");
  EXPECT_EQ(view.rows[1].after_uma, "   55");
  EXPECT_EQ(view.rows[2].score, "  -5");
  EXPECT_EQ(view.rows[2].uma, " -50");
  EXPECT_EQ(view.rows[2].total, "  -55");
  EXPECT_EQ(view.rows[3].score, "-12340");
  EXPECT_EQ(view.rows[3].uma, "-100");
  EXPECT_EQ(view.rows[3].after_uma, "-12440");

  GameState four_digits = MatchState({-1234, 1000, 200, 34});
  const SettlementView shown = SettleMatch(four_digits, 36000, {});
  EXPECT_EQ(shown.rows[3].score, "-1234");
  EXPECT_EQ(shown.rows[3].after_uma, "-1334");
}

struct YakitoriCase {
  const char* name;
  int16_t mode;
  std::array<bool, kSeats> has_won;
  std::array<const char*, kSeats> text;  // by seat
};

TEST(Settlement, ChargesTheYakitori) {
  const std::vector<YakitoriCase> cases = {
      {"one without a win", 1, {1, 1, 0, 1}, {"+20", "+20", "-60", "+20"}},
      {"every player without a win", 1, {0, 0, 0, 0}, {"-60", "-60", "-60", "-60"}},
      {"two without a win, heaviest penalty", 4, {0, 1, 0, 1}, {"-300", "+300", "-300", "+300"}},
      {"three without a win", 3, {0, 1, 0, 0}, {"-150", "+450", "-150", "-150"}},
      {"everybody won", 2, {1, 1, 1, 1}, {"", "", "", ""}},
      {"off", 0, {0, 1, 0, 1}, {"なし", "なし", "なし", "なし"}},
      {"out of range is off", 7, {0, 1, 0, 1}, {"なし", "なし", "なし", "なし"}},
  };
  for (const YakitoriCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameState state = MatchState({40, 20, 0, -60});
    state.settings.YakitoriMode = c.mode;
    state.match.HasWon = c.has_won;
    const SettlementView view = SettleMatch(state, 36000, {});
    const Four after = {140, 70, -50, -160};
    for (const SettlementRow& row : view.rows) {
      EXPECT_EQ(row.yakitori, c.text[row.seat]) << "seat " << row.seat;
      const int value = std::atoi(c.text[row.seat]);
      EXPECT_EQ(row.total_value, after[row.seat] + value);
      EXPECT_EQ(Points(state, row.seat), 1000 + after[row.seat] + value);
      EXPECT_EQ(state.match.Score[row.seat], after[row.seat]);  // the score itself holds no yakitori
    }
    EXPECT_EQ(state.match.HasWon, (std::array<bool, kSeats>{}));
  }
}

TEST(Settlement, ShowsTheGameTime) {
  struct TimeCase {
    int32_t start, now;
    const char* text;
  };
  const std::vector<TimeCase> cases = {
      {36000, 36000 + 754, "ゲーム時間 : 12分"},
      {36000, 36000, "ゲーム時間 : 0分"},
      {86000, 400, "ゲーム時間 : 13分"},  // past midnight
      {0, 40000, "ゲーム時間 : 666分"},   // longer than 32767 seconds
  };
  for (const TimeCase& c : cases) {
    SCOPED_TRACE(c.text);
    GameState state = MatchState({0, 0, 0, 0});
    state.match.MatchStartTime = c.start;
    EXPECT_EQ(SettleMatch(state, c.now, {}).game_time, c.text);
  }
}

TEST(Settlement, WritesTheMemberFilesWithTheSettledFigures) {
  GameState state = MatchState({40, 20, 0, -60});
  int writes = 0;
  int16_t written_points = 0;
  const SettlementView view = SettleMatch(state, 36000, [&](const GameState& settled) {
    ++writes;
    written_points = settled.members.MemberPoints[1][1];
    return false;
  });
  EXPECT_EQ(writes, 1);
  EXPECT_EQ(written_points, 1140);
  EXPECT_FALSE(view.files_written);
}

TEST(Settlement, TheProgramWriterPutsBothFilesInTheDataFolder) {
  test::TempDir folder;
  ProgramPaths paths;
  paths.data_directory = folder.path();
  GameState state = MatchState({40, 20, 0, -60});
  EXPECT_TRUE(SettleMatch(state, 36000, MemberFilesWriterFor(paths)).files_written);
  GameState reread;
  ReadMemberFiles(reread, paths);
  EXPECT_EQ(reread.members.MemberPoints[1][1], 1140);
  EXPECT_EQ(reread.members.MemberStats[2][8][GamesPlayed], 1);
  EXPECT_EQ(reread.members.MemberStats[2][8][RankTotal], 4);
}

TEST(Settlement, MemberPointsSaturate) {
  GameState state = MatchState({30000, 0, 0, -30000});
  state.members.MemberPoints[1][1] = 32000;
  state.members.MemberPoints[2][8] = -32000;
  SettleMatch(state, 36000, {});
  EXPECT_EQ(state.members.MemberPoints[1][1], 32767);
  EXPECT_EQ(state.members.MemberPoints[2][8], -32768);
}

// The match result and the yakitori are one change to a member's points: a
// balance near a limit must not stop there with the result and then lose
// the penalty on top.
TEST(Settlement, MemberPointsSaturateOnlyTheNetChange) {
  GameState state = MatchState({40, 20, 0, -60});
  state.settings.YakitoriMode = 1;
  state.match.HasWon = {false, true, true, true};
  state.members.MemberPoints[1][1] = 32700;  // +140 and -60
  state.members.MemberPoints[2][8] = -32700;  // -160 and +20
  SettleMatch(state, 36000, {});
  EXPECT_EQ(state.members.MemberPoints[1][1], 32767);
  EXPECT_EQ(state.members.MemberPoints[2][8], -32768);

  GameState near = MatchState({40, 20, 0, -60});
  near.settings.YakitoriMode = 1;
  near.match.HasWon = {0, 1, 1, 1};
  near.members.MemberPoints[1][1] = 32650;
  SettleMatch(near, 36000, {});
  EXPECT_EQ(near.members.MemberPoints[1][1], 32730);
}

TEST(Settlement, AnotherMatchAndAMemberChangeStartFromZero) {
  GameState state = MatchState({140, 70, -50, -160});
  state.table.HandNumber = 8;
  state.match.HandLogPoints[4] = 44;
  state.match.HandLogText[4] = "あがり";
  StartAnotherMatch(state, 5000);
  EXPECT_EQ(state.match.Score, (std::array<int16_t, kSeats>{}));
  EXPECT_EQ(state.table.HandNumber, 0);
  EXPECT_EQ(state.match.HandLogPoints[4], 0);
  EXPECT_EQ(state.match.HandLogText[4], "");
  EXPECT_EQ(state.match.MatchStartTime, 5000);

  GameState changing = MatchState({140, 70, -50, -160});
  changing.match.MatchInProgress = true;
  changing.table.AutoPlay = true;
  changing.table.HandNumber = 8;
  changing.table.Hands[2][1] = 14;
  changing.table.Hands[2][kHandCount] = 1;
  EXPECT_TRUE(LeaveMatchForMemberChange(changing));
  EXPECT_FALSE(changing.match.MatchInProgress);
  EXPECT_FALSE(changing.table.AutoPlay);
  EXPECT_EQ(changing.table.HandNumber, 0);
  EXPECT_EQ(changing.match.Score, (std::array<int16_t, kSeats>{}));
  EXPECT_EQ(changing.table.Hands[2][1], 0);
  EXPECT_EQ(changing.table.Hands[2][kHandCount], 0);
  EXPECT_FALSE(LeaveMatchForMemberChange(changing));
}

}  // namespace
}  // namespace winpiruk

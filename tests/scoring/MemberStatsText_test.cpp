#include "scoring/MemberStatsText.h"

#include <gtest/gtest.h>

#include "scoring/MemberCounters.h"
#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(MemberStatsText, PercentagesAndAverages) {
  struct Case {
    long long a, b;
    const char* percentage;
    const char* average;
  } const cases[] = {
      {1, 3, " 33.3%", " 0.3"},    {1, 2, " 50%", " 0.5"},   {0, 5, " 0%", " 0"},
      {1, 200, " 0.5%", " 0"},     {7, 100, " 7%", " 0"},    {15, 2, " 750%", " 7.5"},
      {24, 2, " 1200%", " 12"},    {2, 3, " 66.6%", " 0.6"}, {5, 0, " -", " -"},
      {-1, 2, "-50%", "-0.5"},     {-1, 3, "-33.4%", "-0.4"}, {32767, 1, " 3276700%", " 32767"},
      {-32768, -1, " 3276800%", " 32768"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PercentageText(c.a, c.b), c.percentage) << c.a << "/" << c.b;
    EXPECT_EQ(AverageText(c.a, c.b), c.average) << c.a << "/" << c.b;
  }
}

TEST(MemberStatsText, AMemberWithNoHandsShowsNoRatesOrAverages) {
  MemberTable table{};
  table.MemberName[2][3] = "No.22";
  table.MemberPoints[2][3] = -40;
  const MemberRecordTexts t = MemberRecord(table, 2, 3);
  EXPECT_EQ(t.name, "No.22");
  for (const std::string* text : {&t.win_rate, &t.deal_in_rate, &t.win_number, &t.yaku, &t.points_won,
                                  &t.points_lost, &t.rank}) {
    EXPECT_EQ(*text, " -");
  }
  EXPECT_EQ(t.hands_played, "0");
  EXPECT_EQ(t.points, "-40");
  EXPECT_TRUE(t.points_negative);
}

TEST(MemberStatsText, EachFigureIsTakenOverItsOwnCounters) {
  // Every divisor differs, so a figure taken over the wrong counter shows.
  // Points lost are averaged over the wins, not the deal-ins: with no win
  // they show nothing however often the member dealt in.
  struct Case {
    std::array<int16_t, kMemberStats> stats;
    int16_t points;
    MemberRecordTexts want;
  };
  Case cases[2]{};
  cases[0].stats[HandsPlayed] = 40;
  cases[0].stats[Wins] = 8;
  cases[0].stats[InitialMatches] = 1;
  cases[0].stats[DealIns] = 5;
  cases[0].stats[CardOvers] = 2;
  cases[0].stats[YakuTotal] = 12;
  cases[0].stats[WinNumberTotal] = 60;
  cases[0].stats[PointsWon] = 300;
  cases[0].stats[PointsLost] = 90;
  cases[0].stats[RankTotal] = 25;
  cases[0].stats[GamesPlayed] = 10;
  cases[0].stats[CounterCalls] = 3;
  cases[0].points = 1234;
  cases[0].want = {"ｱｷ", "40", "8", " 20%", " 7.5", " 1.5", " 37.5", "1", "3", "5", " 12.5%", " 11.2", "2", "10",
                   " 2.5", "1234", false};
  cases[1].stats[HandsPlayed] = 6;
  cases[1].stats[DealIns] = 3;
  cases[1].stats[PointsLost] = 40;
  cases[1].stats[GamesPlayed] = 1;
  cases[1].stats[RankTotal] = 4;
  cases[1].points = -7;
  cases[1].want = {"ｱｷ", "6", "0", " 0%", " -", " -", " -", "0", "0", "3", " 50%", " -", "0", "1", " 4", "-7", true};
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    MemberTable table{};
    table.MemberName[3][4] = "ｱｷ";
    table.MemberStats[3][4] = c.stats;
    table.MemberPoints[3][4] = c.points;
    const MemberRecordTexts t = MemberRecord(table, 3, 4);
    const MemberRecordTexts& w = c.want;
    EXPECT_EQ(t.name, w.name);
    EXPECT_EQ(t.hands_played, w.hands_played);
    EXPECT_EQ(t.wins, w.wins);
    EXPECT_EQ(t.win_rate, w.win_rate);
    EXPECT_EQ(t.win_number, w.win_number);
    EXPECT_EQ(t.yaku, w.yaku);
    EXPECT_EQ(t.points_won, w.points_won);
    EXPECT_EQ(t.initial_matches, w.initial_matches);
    EXPECT_EQ(t.counter_calls, w.counter_calls);
    EXPECT_EQ(t.deal_ins, w.deal_ins);
    EXPECT_EQ(t.deal_in_rate, w.deal_in_rate);
    EXPECT_EQ(t.points_lost, w.points_lost);
    EXPECT_EQ(t.card_overs, w.card_overs);
    EXPECT_EQ(t.games_played, w.games_played);
    EXPECT_EQ(t.rank, w.rank);
    EXPECT_EQ(t.points, w.points);
    EXPECT_EQ(t.points_negative, w.points_negative);
  }
}

TEST(MemberStatsText, CountersSaturateInsteadOfWrapping) {
  MemberTable table{};
  AddToMemberStat(table, 1, 1, PointsWon, 32000);
  AddToMemberStat(table, 1, 1, PointsWon, 1000);
  EXPECT_EQ(table.MemberStats[1][1][PointsWon], 32767);
  AddToMemberStat(table, 1, 1, PointsWon, -70000);
  EXPECT_EQ(table.MemberStats[1][1][PointsWon], -32768);
  AddToMemberStat(table, 1, 1, Wins, 3);
  EXPECT_EQ(table.MemberStats[1][1][Wins], 3);
}

}  // namespace
}  // namespace winpiruk

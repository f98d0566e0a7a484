#include "scoring/MemberStatsText.h"

#include <gtest/gtest.h>

#include "scoring/MemberCounters.h"

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

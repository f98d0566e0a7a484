#include "analysis/Figures.h"

#include <gtest/gtest.h>

namespace winpiruk::analysis {
namespace {

TEST(Figures, BinsHoldTheirRangeAndTheEndsHoldTheRest) {
  struct Case {
    long long value;
    int final_bin;
    int length_bin;
  };
  const Case cases[] = {
      {-100000, 0, 0},
      {-301, 0, 0},
      {-300, 1, 0},
      {-291, 1, 0},
      {-290, 2, 0},
      {-1, 30, 0},
      {0, 31, 0},
      {9, 31, 9},
      {10, 32, 10},
      {79, 38, 79},
      {80, 39, 80},
      {299, 60, 80},
      {300, 61, 80},
      {100000, 61, 80},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FinalPointBin(c.value), c.final_bin) << c.value;
    EXPECT_EQ(LengthBin(c.value), c.length_bin) << c.value;
  }
}

TEST(Figures, MergeAddsEveryFigureInAnyOrder) {
  Figures a;
  a.hands = 3;
  a.endings[1] = 2;
  a.turns = 40;
  a.hand_length[12] = 3;
  a.points_by_seat = {10, -10, 5, -5};
  a.discards_by_rank[13] = 7;
  a.matches = 1;
  a.match_wins[2] = 1;
  a.final_points[3][5] = 1;
  a.final_points_sum = {1, 2, 3, -6};
  Figures b = a;
  b.hand_length[80] = 4;
  b.final_points[0][61] = 2;

  Figures ab = a;
  ab.Merge(b);
  Figures ba = b;
  ba.Merge(a);
  EXPECT_EQ(ab, ba);
  EXPECT_EQ(ab.hands, 6);
  EXPECT_EQ(ab.endings[1], 4);
  EXPECT_EQ(ab.turns, 80);
  EXPECT_EQ(ab.hand_length[12], 6);
  EXPECT_EQ(ab.hand_length[80], 4);
  EXPECT_EQ(ab.points_by_seat, (std::array<long long, kSeats>{20, -20, 10, -10}));
  EXPECT_EQ(ab.discards_by_rank[13], 14);
  EXPECT_EQ(ab.matches, 2);
  EXPECT_EQ(ab.match_wins[2], 2);
  EXPECT_EQ(ab.final_points[3][5], 2);
  EXPECT_EQ(ab.final_points[0][61], 2);
  EXPECT_EQ(ab.final_points_sum, (std::array<long long, kSeats>{2, 4, 6, -12}));
  Figures none;
  none.Merge(a);
  EXPECT_EQ(none, a);
}

}  // namespace
}  // namespace winpiruk::analysis

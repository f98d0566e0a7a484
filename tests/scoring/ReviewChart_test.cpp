#include "scoring/ReviewChart.h"

#include <gtest/gtest.h>

#include <string>

namespace winpiruk {
namespace {

GameState LogState(int hands, std::vector<std::pair<int, const char*>> log) {
  GameState state;
  state.settings.NumberOfGames = static_cast<int16_t>(hands);
  for (size_t i = 0; i < log.size(); ++i) {
    state.match.HandLogPoints[i + 1] = static_cast<int16_t>(log[i].first);
    state.match.HandLogText[i + 1] = log[i].second;
  }
  return state;
}

TEST(ReviewChart, FlatMatchStaysOnTheZeroLine) {
  const ReviewChart chart = LayoutReviewChart(LogState(4, {}), 560, 400);
  EXPECT_EQ(chart.step, 49);
  EXPECT_EQ(chart.zero_y, 200);
  EXPECT_EQ(chart.largest, 0);
  EXPECT_DOUBLE_EQ(chart.scale, 180.0 / 16);
  ASSERT_EQ(chart.hands.size(), 4u);
  for (const ReviewHand& hand : chart.hands) {
    EXPECT_EQ(hand.y, 200);
    EXPECT_EQ(hand.word, "");
    EXPECT_EQ(hand.points_text, " 0");
    EXPECT_FALSE(hand.loss);
  }
  EXPECT_LT(chart.hands[0].x, chart.hands[1].x);
  EXPECT_GT(chart.hands[0].x, chart.start_x);
}

TEST(ReviewChart, ScalesToTheLargestDistanceFromZero) {
  struct Case {
    std::vector<std::pair<int, const char*>> log;
    int largest;
  };
  const std::vector<Case> cases = {
      {{{-30, "被ｲﾆｼｬﾙ失点"}, {-60, "10ｵｰﾊﾞｰ失点"}, {-15, "捨てあがり失点"}}, 105},
      {{{44, "あがり"}, {-100, "振込み"}, {20, "10ｵｰﾊﾞｰ分"}}, 56},
      {{{90, "ｲﾆｼｬﾙあがり"}, {-20, "振込み"}}, 90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.largest);
    const ReviewChart chart = LayoutReviewChart(LogState(8, c.log), 560, 400);
    EXPECT_EQ(chart.largest, c.largest);
    for (const ReviewHand& hand : chart.hands) {
      EXPECT_GE(hand.y, 20);
      EXPECT_LE(hand.y, 380);
    }
  }
}

TEST(ReviewChart, PlacesWordsAndPointsByTheirSign) {
  const ReviewChart chart =
      LayoutReviewChart(LogState(3, {{44, "あがり"}, {-100, "振込み"}, {0, ""}, {50, "あがり"}}), 560, 400);
  ASSERT_EQ(chart.hands.size(), 3u);  // only NumberOfGames hands
  EXPECT_EQ(chart.hands[0].total, 44);
  EXPECT_EQ(chart.hands[0].word_y, chart.hands[0].y - 28);
  EXPECT_EQ(chart.hands[0].points_text, "+44");
  EXPECT_EQ(chart.hands[1].total, -56);
  EXPECT_EQ(chart.hands[1].word_y, chart.hands[1].y + 14);
  EXPECT_EQ(chart.hands[1].points_text, "-100");
  EXPECT_TRUE(chart.hands[1].loss);
  EXPECT_EQ(chart.hands[2].points_text, " 0");
}

TEST(ReviewChart, AWordSitsAboveARunningTotalOfExactlyZero) {
  const ReviewChart chart =
      LayoutReviewChart(LogState(4, {{30, "あがり"}, {-30, "振込み"}, {-1, "振込み"}, {1, "あがり"}}), 560, 400);
  ASSERT_EQ(chart.hands.size(), 4u);
  const int totals[] = {30, 0, -1, 0};
  const bool above[] = {true, true, false, true};
  for (size_t i = 0; i < chart.hands.size(); ++i) {
    const ReviewHand& hand = chart.hands[i];
    SCOPED_TRACE("hand " + std::to_string(hand.number));
    EXPECT_EQ(hand.total, totals[i]);
    EXPECT_EQ(hand.word_y, above[i] ? hand.y - 28 : hand.y + 14);
  }
}

}  // namespace
}  // namespace winpiruk

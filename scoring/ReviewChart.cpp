#include "scoring/ReviewChart.h"

#include <algorithm>
#include <cmath>

#include "state/RuleLimits.h"

namespace winpiruk {
namespace {

// Hands sit a little right of their step so that hand 1 clears the start.
constexpr int kHandOffset = 4;
constexpr int kWordAbove = 28;
constexpr int kWordBelow = 14;

}  // namespace

ReviewChart LayoutReviewChart(const GameState& state, int width, int height) {
  ReviewChart chart;
  chart.width = width;
  chart.height = height;
  chart.step = std::max(0, (width - 20) / 11);
  chart.zero_y = height / 2;

  const int hands = std::min(NumberOfGamesInUse(state.settings), kMaxHandsPerMatch);
  std::vector<int> totals;
  int total = 0;
  int highest = 0;
  int lowest = 0;
  for (int i = 1; i <= hands; ++i) {
    total += state.match.HandLogPoints[i];
    totals.push_back(total);
    highest = std::max(highest, total);
    lowest = std::min(lowest, total);
  }
  chart.largest = std::max(highest, -lowest);
  chart.scale = (height / 2.0 - 20) / (chart.largest + 16);

  for (int i = 1; i <= hands; ++i) {
    ReviewHand hand;
    hand.number = i;
    hand.x = chart.step * i + kHandOffset;
    hand.total = totals[i - 1];
    hand.y = static_cast<int>(std::lround(chart.zero_y - hand.total * chart.scale));
    hand.points = state.match.HandLogPoints[i];
    hand.word = state.match.HandLogText[i];
    hand.word_y = hand.total >= 0 ? hand.y - kWordAbove : hand.y + kWordBelow;
    hand.loss = hand.points < 0;
    hand.points_text = hand.points > 0 ? "+" + std::to_string(hand.points)
                       : hand.points == 0 ? std::string(" 0")
                                          : std::to_string(hand.points);
    chart.hands.push_back(std::move(hand));
  }
  return chart;
}

}  // namespace winpiruk

#include "analysis/Figures.h"

#include <algorithm>

namespace winpiruk::analysis {
namespace {

template <std::size_t N>
void Add(std::array<long long, N>& into, const std::array<long long, N>& from) {
  for (std::size_t i = 0; i < N; ++i) into[i] += from[i];
}

}  // namespace

void Figures::Merge(const Figures& other) {
  hands += other.hands;
  Add(endings, other.endings);
  turns += other.turns;
  Add(hand_length, other.hand_length);
  Add(points_by_seat, other.points_by_seat);
  Add(discards_by_rank, other.discards_by_rank);
  matches += other.matches;
  Add(match_wins, other.match_wins);
  Add(final_points_sum, other.final_points_sum);
  for (int seat = 0; seat < kSeats; ++seat) Add(final_points[seat], other.final_points[seat]);
}

int FinalPointBin(long long points) {
  const long long bin = (points - kFinalPointLow) / kFinalPointStep + 1;
  return static_cast<int>(std::clamp<long long>(points < kFinalPointLow ? 0 : bin, 0, kFinalPointBins - 1));
}

int LengthBin(long long turns) { return static_cast<int>(std::clamp<long long>(turns, 0, kLengthBins - 1)); }

}  // namespace winpiruk::analysis

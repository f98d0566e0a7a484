#pragma once
// What a run of many hands or matches under one set of rules shows: how the
// hands end, how long they last, the points by seat, how often each rank is
// discarded and, for matches, the final points and who wins. Figures of
// separate runs add up, so work split among threads merges in any order.
#include <array>
#include <cstdint>

#include "state/GameState.h"

namespace winpiruk::analysis {

// How a hand ended, as the analyser and the runner report it.
enum class Ending : uint8_t {
  Call,           // a seat called the discard
  CounterCall,    // a call answered by a counter-call
  DiscardFinish,  // the last card went out
  CardOver,       // the draw pile ran over
  NoGame,         // nobody could go on
  InitialMatch,   // decided at the deal
  Other,
};
inline constexpr int kEndings = 7;

// Hand length in turns: 0 .. kLengthBins - 2, and the last bin for longer hands.
inline constexpr int kLengthBins = 81;

// Final points of a seat in a match, in bins of kFinalPointStep from
// kFinalPointLow; the first and last bins hold everything beyond.
inline constexpr int kFinalPointStep = 10;
inline constexpr int kFinalPointLow = -300;
inline constexpr int kFinalPointBins = 62;

struct Figures {
  long long hands = 0;
  std::array<long long, kEndings> endings{};
  long long turns = 0;
  std::array<long long, kLengthBins> hand_length{};
  std::array<long long, kSeats> points_by_seat{};  // the sum of every hand's points
  std::array<long long, 14> discards_by_rank{};    // [1] aces .. [13] kings; [0] unused

  long long matches = 0;
  std::array<long long, kSeats> match_wins{};  // a shared first place counts for each
  std::array<std::array<long long, kFinalPointBins>, kSeats> final_points{};
  std::array<long long, kSeats> final_points_sum{};  // for the mean, beyond the bins

  void Merge(const Figures& other);
  bool operator==(const Figures&) const = default;
};

// The bin of kFinalPointBins that `points` falls in.
int FinalPointBin(long long points);
// The bin of kLengthBins for a hand of `turns` turns.
int LengthBin(long long turns);

}  // namespace winpiruk::analysis

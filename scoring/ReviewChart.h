#pragma once
// The review chart: where the user's running total over the hands of the
// match just finished is drawn, with each hand's word and points.
#include <cstdint>
#include <string>
#include <vector>

#include "state/GameState.h"

namespace winpiruk {

struct ReviewHand {
  int number = 0;   // 1..N
  int x = 0;        // the hand's grid line and point
  int y = 0;        // the running total's point
  int total = 0;    // running total after this hand
  int points = 0;   // the hand's own points
  std::string word;        // the hand's result word, may be empty
  int word_y = 0;          // top of the word: above a gain, below a loss
  std::string points_text; // "+44", " 0", "-12"
  bool loss = false;       // points drawn in the loss colour
};

struct ReviewChart {
  int width = 0;
  int height = 0;
  int step = 0;        // horizontal distance between hands
  int start_x = 10;    // the start of the match, on the zero line
  int zero_y = 0;
  int largest = 0;     // the largest distance of a running total from zero
  double scale = 0;    // pixels per point
  std::vector<ReviewHand> hands;
};

// Lays the chart out for a drawing area of `width` × `height` pixels from
// the hand log and `NumberOfGames` (at most ten hands).
ReviewChart LayoutReviewChart(const GameState& state, int width, int height);

}  // namespace winpiruk

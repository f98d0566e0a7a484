#pragma once
// Where every picture and label of the table sits, in twips inside the
// table area, for a window of a given outer size. The table is designed for
// 8115 × 5385 twips; a larger window shares its extra size out by fixed
// fractions, a smaller one keeps the designed places.
#include <array>
#include <cstddef>

#include "engine/TableView.h"
#include "state/Settings.h"

namespace winpiruk {

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const TwipsRect&) const = default;
};

// The pictures are numbered as the window names them: 1..9 the user's hand,
// 10 the draw pile, 11 the discard pile, 12..20 the right seat (position 1 is
// Picture20), 21..29 the top seat, 30..38 the left seat, 39 the second
// face-up card, 40 the card back, 41 the music picture.
constexpr int kPictureCount = 41;
// Labels 1..29 (Label25 does not exist).
constexpr int kLabelCount = 29;

// The labels by role, numbered as the window names them.
constexpr int NameLabel(int seat) { return 1 + seat; }   // Label1..4
constexpr int CountLabel(int seat) { return 5 + seat; }  // Label5..8: cards in hand
constexpr int ScoreLabel(int seat) { return 9 + seat; }  // Label9..12
constexpr int kDealerChoiceLabel = 13;
constexpr int kReuseLabel = 14;
constexpr int kPromptLabel = 15;  // the countdown and the further-discard prompts
constexpr int kExtraNumberLabel = 29;

// The positions with a key guide under them: the user's hand, then the piles.
constexpr std::array<int, 12> kGuidedPositions = {1, 2, 3, 4, 5, 6, 7, 8, 9,
                                                  kPosDrawPile, kPosDiscardPile, kPosSecondCard};

// The key guide under a position of kGuidedPositions: hand positions 1..9
// have Label16..24, the discard pile Label26, the second card Label27 and the
// draw pile Label28.
constexpr int GuideLabel(int position) {
  switch (position) {
    case kPosDiscardPile: return 26;
    case kPosSecondCard: return 27;
    case kPosDrawPile: return 28;
    default: return 15 + position;
  }
}

// Every label number the window has.
inline constexpr std::array<int, kLabelCount - 1> kTableLabels = [] {
  std::array<int, kLabelCount - 1> numbers{};
  std::size_t next = 0;
  for (int n = 1; n <= kLabelCount; ++n) {
    if (n != 25) numbers[next++] = n;
  }
  return numbers;
}();
constexpr bool IsTableLabel(int n) { return n >= 1 && n <= kLabelCount && n != 25; }

struct TableLayout {
  std::array<TwipsRect, kPictureCount + 1> picture{};  // [0] unused
  std::array<TwipsRect, kLabelCount + 1> label{};      // by label number: [0] and [25] unused
  std::array<TwipsRect, 4> arrow{};                     // the turn arrow beside each seat
  int user_card_step = 0;                               // distance between the user's cards
};

// The picture that shows hand position 1..9 of a seat.
int HandPicture(int seat, int position);

// The layout for a window whose outer size is table_width × table_height
// twips. The settings give HorizonCardPos, VerticalCardPos and whether the key
// guides are shown.
TableLayout LayoutTable(int table_width, int table_height, const Settings& settings);

}  // namespace winpiruk

#include "gui/table/TableLayout.h"

#include <algorithm>
#include <cmath>

#include "presentation/PictureNames.h"
#include "gui/common/Twips.h"

namespace winpiruk {
namespace {

constexpr int kCardW = kCardWidth * kTwipsPerPixel;    // 630
constexpr int kCardH = kCardHeight * kTwipsPerPixel;   // 900
constexpr int kArrow = kArrowSize * kTwipsPerPixel;    // 480
constexpr int kLabelH = 14 * kTwipsPerPixel;           // one line of the table font
constexpr int kGuideW = 16 * kTwipsPerPixel;
constexpr int kGuideRaise = 12;                        // the user's row with the key guides on

// The designed places (table area of the design-size window).
constexpr int kUserLeft = 1140, kUserTop = 3780;
constexpr int kSideTop = 750, kSideStep = 300;
constexpr int kLeftColumnLeft = 90, kRightColumnLeft = 7125;
constexpr int kTopRowLeft = 2130, kTopRowTop = 90, kTopRowStep = 405;
constexpr int kPilesTop = 1680, kDrawLeft = 2850, kDiscardLeft = 3750, kSecondLeft = 4650;

int Whole(double twips) { return static_cast<int>(std::lround(twips)); }

}  // namespace

TwipsRect PositionPlace(const TableLayout& t, int position) {
  switch (position) {
    case kPosDrawPile: return t.draw_pile;
    case kPosDiscardPile: return t.discard_pile;
    case kPosSecondCard: return t.second_card;
    default: return position >= 1 && position <= kHandPositions ? t.hand[0][position] : TwipsRect{};
  }
}

namespace {

// The user's row and the key guides under it.
void PlaceUserRow(TableLayout& t, int user_left, int user_top) {
  for (int p = 1; p <= 9; ++p) {
    t.hand[0][p] = {user_left + (p - 1) * t.user_card_step, user_top, kCardW, kCardH};
    const TwipsRect& card = t.hand[0][p];
    t.hand_guide[p] = {card.left + (kCardW - kGuideW) / 2, card.bottom() + 15, kGuideW, kLabelH};
  }
}

// The side seats: turned backs in columns that spread a little downwards.
void PlaceSideSeats(TableLayout& t, int eh, int right_shift, const Settings& settings) {
  const int side_top = kSideTop + Whole(eh / 50.8) + settings.VerticalCardPos;
  const int side_step = kSideStep + Whole(eh / 200.0);
  for (int p = 1; p <= 9; ++p) {
    t.hand[1][p] = {kLeftColumnLeft, side_top + (p - 1) * side_step, kCardH, kCardW};
    // Seen from the right seat its first card lies nearest to the user.
    t.hand[3][p] = {kRightColumnLeft + right_shift, side_top + (9 - p) * side_step, kCardH, kCardW};
  }
}

// The top seat's row spreads like the user's, over it. Returns its right edge.
int PlaceTopRow(TableLayout& t, int ew, const Settings& settings) {
  const int top_step = kTopRowStep + Whole(ew / 128.0);
  const int top_left = kTopRowLeft + Whole(ew / 101.6) + settings.HorizonCardPos;
  for (int p = 1; p <= 9; ++p) {
    t.hand[2][p] = {top_left + (p - 1) * top_step, kTopRowTop, kCardW, kCardH};
  }
  return t.hand[2][9].right();
}

// The piles, their key guides and the messages about them.
void PlacePiles(TableLayout& t, int pile_dx, int pile_dy) {
  const int piles_top = kPilesTop + pile_dy;
  t.draw_pile = {kDrawLeft + pile_dx, piles_top, kCardW, kCardH};
  t.discard_pile = {kDiscardLeft + pile_dx, piles_top, kCardW, kCardH};
  t.second_card = {kSecondLeft + pile_dx, piles_top, kCardW, kCardH};
  t.music = {2100 + pile_dx, 1890 + pile_dy, kArrow, kArrow};
  const int guide_top = t.draw_pile.bottom() + 30;
  const auto guide_under = [&](const TwipsRect& pile) {
    return TwipsRect{pile.left + (kCardW - kGuideW) / 2, guide_top, kGuideW, kLabelH};
  };
  t.draw_guide = guide_under(t.draw_pile);
  t.discard_guide = guide_under(t.discard_pile);
  t.second_guide = guide_under(t.second_card);
  t.extra_number = {t.second_card.left - 150, t.second_card.top - kLabelH - 15, kCardW + 300, kLabelH};
  t.dealer_choice = {2250 + pile_dx, 2850 + pile_dy, 3600, kLabelH + 30};
}

// Each seat's name, card count and score, one under the other.
void PlaceSeatLabels(TableLayout& t, int top_row_right, int right_shift, int bottom_shift) {
  const std::array<TwipsRect, 4> name_blocks = {{
      {60, 3870 + bottom_shift, 1050, kLabelH},                   // the user, bottom left
      {60, 60, 1950, kLabelH},                                    // left seat, top left
      {top_row_right + 60, 90, 1995, kLabelH},                    // top seat, right of its row
      {7050 + right_shift, 3870 + bottom_shift, 1020, kLabelH},  // right seat, bottom right
  }};
  for (int seat = 0; seat < 4; ++seat) {
    const TwipsRect name = name_blocks[seat];
    TwipsRect count = name;
    count.top += kLabelH;
    TwipsRect score = count;
    score.top += kLabelH;
    t.seat_labels[seat] = {name, count, score};
  }
}

}  // namespace

TableLayout LayoutTable(int table_width, int table_height, const Settings& settings) {
  const int ew = std::max(0, table_width - kDesignWidthTwips);
  const int eh = std::max(0, table_height - kDesignHeightTwips);
  TableLayout t;

  // The user's row: its own fixed shares of the extra size.
  t.user_card_step = Whole(kCardW * 1.03 + ew / 128.0);
  const int user_left = kUserLeft + Whole(ew / 101.6) + settings.HorizonCardPos;
  const int user_top = kUserTop + Whole(eh / 12.7) - (settings.KeyGuideDisplay == 1 ? kGuideRaise : 0);
  PlaceUserRow(t, user_left, user_top);
  // How far the user's row grows to the right; the right side follows it.
  const int row_growth = Whole(ew / 101.6) + 8 * (t.user_card_step - Whole(kCardW * 1.03));
  const int right_shift = row_growth;
  const int bottom_shift = Whole(eh / 12.7);

  PlaceSideSeats(t, eh, right_shift, settings);
  const int top_row_right = PlaceTopRow(t, ew, settings);

  // The piles keep the middle of the user's row.
  const int pile_dx = Whole(ew / 101.6) + 4 * (t.user_card_step - Whole(kCardW * 1.03));
  const int pile_dy = Whole(eh / 25.4);
  PlacePiles(t, pile_dx, pile_dy);

  // The countdown and the further-discard prompts start at the user's row's left edge.
  t.prompt = {user_left, user_top - kLabelH - 120, 2400, kLabelH};
  PlaceSeatLabels(t, top_row_right, right_shift, bottom_shift);

  // The turn arrow beside the seat to move.
  t.arrow[0] = {3825 + pile_dx, 3180 + Whole(eh / 15.0), kArrow, kArrow};
  t.arrow[1] = {1110, 1890 + pile_dy, kArrow, kArrow};
  t.arrow[2] = {3825 + pile_dx, 1080 + Whole(eh / 50.8), kArrow, kArrow};
  t.arrow[3] = {6525 + right_shift, 1890 + pile_dy, kArrow, kArrow};
  return t;
}

}  // namespace winpiruk

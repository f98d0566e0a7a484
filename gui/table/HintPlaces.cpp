#include "gui/table/HintPlaces.h"

#include <algorithm>

namespace winpiruk {

namespace {
constexpr int kGap = 60;  // between a hint and what it stands beside
}  // namespace

TwipsRect RefusalPlace(const TableLayout& t) {
  const TwipsRect& arrow = t.arrow[0];
  const int left = arrow.right() + kGap;
  const int right = std::max(left + arrow.width, t.hand[0][9].right());
  const int bottom = t.hand[0][1].top - kGap;
  return {left, arrow.top, right - left, std::max(arrow.height, bottom - arrow.top)};
}

TwipsRect PenaltyPlace(const TableLayout& t) {
  const TwipsRect& pile = t.discard_pile;
  const TwipsRect& draw_guide = t.draw_guide;
  // As wide as stays clear of the draw pile's guide on either side of the pile's middle.
  const int middle = pile.left + pile.width / 2;
  const int half = std::max(pile.width / 2, middle - draw_guide.right() - kGap);
  // One line between the pile and the messages' place below it: the reuse
  // message comes as the draw pile runs out, often while a penalty waits.
  const int top = pile.bottom() + 15;
  return {middle - half, top, 2 * half, t.dealer_choice.top - 15 - top};
}

}  // namespace winpiruk

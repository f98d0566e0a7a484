// A hand won after the discard pile became the draw pile counts one yaku
// more: from the first card drawn from the reused pile, slot 53, on.
#include <gtest/gtest.h>

#include <string>

#include "scoring/HandResult.h"

namespace winpiruk {
namespace {

// Seat 1 calls the user's ten of hearts with three and seven.
GameState CalledTable(int draw_index) {
  GameState state;
  state.match.SeatMember = {2, 3, 4, 5};
  state.table.HandNumber = 1;
  state.table.Dealer = 1;
  auto give = [&state](int seat, std::initializer_list<int16_t> cards) {
    auto& row = state.table.Hands[seat];
    int slot = 0;
    for (const int16_t code : cards) row[++slot] = code;
    row[kHandCount] = static_cast<int16_t>(slot);
  };
  give(0, {43});      // 4 of clover
  give(1, {3, 7});    // 3 and 7 of hearts
  give(2, {19});      // 6 of spades
  give(3, {29});      // 3 of diamonds
  state.table.HandEndCode = kEndCall;
  state.table.Winner = 1;
  state.table.CurrentSeat = 0;
  state.table.TopDiscard = 10;
  state.table.DrawIndex = static_cast<int16_t>(draw_index);
  return state;
}

TEST(HandResultSecondPass, CountsFromTheFirstCardOfTheReusedPile) {
  struct Case {
    int draw_index;
    bool second_pass;
  };
  const GameState first_pass = CalledTable(30);
  GameState scored = first_pass;
  const int16_t plain_yaku = ScoreHand(scored).yaku_count;
  for (const Case c : {Case{51, false}, Case{52, false}, Case{53, true}, Case{54, true}}) {
    SCOPED_TRACE("DrawIndex " + std::to_string(c.draw_index));
    GameState state = CalledTable(c.draw_index);
    const HandResultView view = ScoreHand(state);
    EXPECT_EQ(view.yaku_count, plain_yaku + (c.second_pass ? 1 : 0));
    ASSERT_EQ(view.explanation.size(), 3u);
    EXPECT_EQ(view.explanation[1].find("取り札２順目(1役)") != std::string::npos, c.second_pass) << view.explanation[1];
  }
}

}  // namespace
}  // namespace winpiruk

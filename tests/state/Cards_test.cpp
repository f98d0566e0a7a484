#include "state/Cards.h"

#include <gtest/gtest.h>

#include "support/Rows.h"

namespace winpiruk {
namespace {

TEST(Cards, DecodeCard) {
  struct Case {
    int code, rank, suit;
  };
  const Case cases[] = {{1, 1, 0}, {13, 13, 0}, {14, 1, 1}, {52, 13, 3}, {0, 0, 0}, {7, 7, 0}, {40, 1, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(DecodeCard(c.code).rank, c.rank) << c.code;
    EXPECT_EQ(DecodeCard(c.code).suit, c.suit) << c.code;
  }
  EXPECT_EQ(DecodeCard(DecodeCard(7).rank).rank, 7);
}

// The tables behind CardRank and CardSuit answer as the decoding does, and a
// code outside the deck is decoded rather than looked up.
TEST(Cards, RankAndSuitAreTheDecodedOnesForEveryCode) {
  for (int code = -3; code <= 70; ++code) {
    EXPECT_EQ(CardRank(code), DecodeCard(code).rank) << code;
    EXPECT_EQ(CardSuit(code), DecodeCard(code).suit) << code;
  }
}

TEST(Cards, NextSeat) {
  EXPECT_EQ(NextSeat(3, 1, 1), 0);
  EXPECT_EQ(NextSeat(3, 1, -1), 2);
  EXPECT_EQ(NextSeat(3, 2, 1), 1);
  EXPECT_EQ(NextSeat(3, 2, -1), 1);
  EXPECT_EQ(NextSeat(0, 1, -1), 3);
}

TEST(Cards, CallNumbers) {
  struct Case {
    std::vector<int> ranks;
    int sum, raised, product;
  };
  const Case cases[] = {
      {{1, 1, 5}, 7, 17, 5},
      {{10, 11, 12}, 33, 0, 1320},
      {{13, 13, 13}, 39, 0, 2197},
      // 169 × 13 = 2197 is already above 999 when the fourth K comes.
      {{13, 13, 13, 13}, 52, 0, 0},
      {{13, 13, 13, 13, 12}, 64, 0, 0},
      {{13, 13, 13, 13, 13}, 65, 0, 0},
      {{}, 0, 0, 0},
      // Ten cards, the most a row holds: the tenth counts too.
      {{1, 2, 1, 2, 1, 2, 1, 2, 1, 5}, 18, 28, 80},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    HandRow row{};
    int slot = 1;
    // Mixed suits: the rank decides, not the code.
    for (int rank : c.ranks) {
      row[slot] = static_cast<int16_t>(rank + 13 * (slot % 4));
      ++slot;
    }
    row[kHandCount] = static_cast<int16_t>(c.ranks.size());
    RecomputeCallNumbers(row);
    EXPECT_EQ(row[kHandSum], c.sum);
    EXPECT_EQ(row[kHandRaisedSum], c.raised);
    EXPECT_EQ(row[kHandProduct], c.product);
  }
}

}  // namespace
}  // namespace winpiruk

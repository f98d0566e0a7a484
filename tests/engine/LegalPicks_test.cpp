#include "engine/LegalPicks.h"

#include <gtest/gtest.h>

#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;
using E = PickEffect;

// One row: the user's hand against a top card in a phase, and what the first
// two positions and the draw pile do.
struct Case {
  const char* name;
  TurnPhaseCode turn_phase;
  std::initializer_list<int16_t> hand;
  int16_t top;
  int finish_means, mode, pending;
  E first, second, draw_pile;
};

TEST(LegalPicks, EachPickSaysWhatItDoes) {
  const Case cases[] = {
      {"unmatched card", kTurnFirstAction, {S(5), H(3)}, H(7), 0, 1, 0, E::Refused, E::Discard, E::Draw},
      {"penalty card adds to the penalty", kTurnFirstAction, {S(2), H(3)}, H(2), 0, 1, 2, E::Discard, E::PenaltyDraw, E::PenaltyDraw},
      {"last card cannot go out", kTurnFirstAction, {S(7)}, H(7), 0, 1, 0, E::Refused, E::Refused, E::Draw},
      {"last card goes out", kTurnFirstAction, {S(7)}, H(7), 2, 1, 0, E::DiscardFinish, E::Refused, E::Draw},
      {"last card under a penalty draws", kTurnFirstAction, {H(7)}, H(2), 3, 1, 2, E::PenaltyDraw, E::Refused, E::PenaltyDraw},
      {"throw-more card with one to follow", kTurnFirstAction, {S(8), H(3)}, H(8), 0, 1, 0, E::Refused, E::Discard, E::Draw},
      {"throw-more card may end the turn", kTurnFirstAction, {S(8), H(3)}, H(8), 0, 0, 0, E::Discard, E::Discard, E::Draw},
      {"throw-more card with two to follow", kTurnFirstAction, {S(8), D(3), C(4)}, H(8), 0, 1, 0, E::DiscardAgain, E::Refused,
       E::Draw},
      {"only throw-more cards", kTurnFirstAction, {S(8), D(8), C(8)}, H(8), 0, 1, 0, E::Discard, E::Discard, E::Draw},
      {"further: any card", kTurnFurtherDiscard, {S(5), D(3), C(8)}, H(7), 0, 1, 0, E::Discard, E::Discard, E::Refused},
      {"further: the draw pile stops", kTurnFurtherDiscard, {S(5), D(3)}, H(7), 0, 0, 0, E::Discard, E::Discard, E::StopDiscarding},
      {"further: throw-more of the last two", kTurnFurtherDiscard, {S(8), D(3)}, H(7), 0, 1, 0, E::Refused, E::Discard, E::Refused},
      {"further: last card ends the turn", kTurnFurtherDiscard, {S(5)}, H(7), 0, 1, 0, E::EndTurn, E::Refused, E::Refused},
      {"further: last card goes out", kTurnFurtherDiscard, {S(5)}, H(7), 2, 1, 0, E::DiscardFinish, E::Refused, E::Refused},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GameState s = BuildTable(TableWith(c.hand, c.top));
    s.table.TurnPhase = c.turn_phase;
    s.settings.FinishMeans = static_cast<int16_t>(c.finish_means);
    s.settings.MoreDropCardMode = static_cast<int16_t>(c.mode);
    s.table.PenaltyPending = static_cast<int16_t>(c.pending);
    const LegalPicks legal = LegalUserPicks(s.table, s.settings);
    EXPECT_EQ(legal.Of(1), c.first);
    EXPECT_EQ(legal.Of(2), c.second);
    EXPECT_EQ(legal.Of(kPickDrawPile), c.draw_pile);
    EXPECT_EQ(legal.Of(static_cast<int>(c.hand.size()) + 1), E::Refused);  // an empty position
    EXPECT_EQ(legal.Of(kPickDiscardPile), E::Refused);
  }
}

TEST(LegalPicks, DealerChoiceTakesOnlyTheTwoFaceUpCards) {
  GameState s = BuildTable(TableWith({S(5), H(3), D(4), C(6), S(9)}, H(7)));
  s.table.HandPhase = kHandOpening;
  s.table.TurnPhase = kTurnNone;
  s.table.Dealer = 0;
  s.table.DealerChoice.clear();
  const LegalPicks legal = LegalUserPicks(s.table, s.settings);
  EXPECT_EQ(legal.Of(kPickDiscardPile), E::KeepOwnCard);
  EXPECT_EQ(legal.Of(kPickSecondCard), E::TakeDeckCard);
  for (const int pick : {0, 1, 5, 9, int{kPickDrawPile}}) EXPECT_EQ(legal.Of(pick), E::Refused) << pick;
  // Once chosen, or with no hand dealt, nothing is taken.
  s.table.DealerChoice = "A";
  s.table.TurnPhase = kTurnNone;
  EXPECT_EQ(UserMovePhase(s.table), MovePhase::None);
  s.table.HandPhase = kHandNotDealt;
  EXPECT_FALSE(LegalUserPicks(s.table, s.settings).Allows(kPickDiscardPile));
}

}  // namespace
}  // namespace winpiruk

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "engine/LegalPicks.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

constexpr int kEveryPick[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, kPickDiscardPile, kPickSecondCard, kPickDrawPile, 10, 40};
constexpr MovePhase kEveryPhase[] = {MovePhase::None, MovePhase::DealerChoice, MovePhase::FirstAction,
                                     MovePhase::FurtherDiscard};

// A table with a random hand, top card, penalty and rules.
GameState RandomTable(std::mt19937& random) {
  auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  std::vector<int16_t> deck(52);
  std::iota(deck.begin(), deck.end(), int16_t{1});
  std::shuffle(deck.begin(), deck.end(), random);
  GameState s = BuildTable(TableWith({}, deck[0]));
  const int count = pick(1, 9);
  auto& row = s.table.Hands[0];
  row.fill(0);
  for (int slot = 1; slot <= count; ++slot) row[slot] = deck[slot];
  row[kHandCount] = static_cast<int16_t>(count);
  s.table.PenaltyPending = static_cast<int16_t>(pick(0, 1) * pick(1, 6));
  s.settings.FinishMeans = static_cast<int16_t>(pick(0, 4));
  s.settings.MoreDropCardMode = static_cast<int16_t>(pick(0, 1));
  // Small ranks make the special cards turn up often in the hands.
  s.settings.MoreDropCard = static_cast<int16_t>(pick(0, 4));
  s.settings.PenaltyCard = static_cast<int16_t>(pick(0, 4));
  return s;
}

TEST(WhyRefused, GivesAReasonExactlyWhenThePickIsRefused) {
  std::mt19937 random(20261207);
  int refused = 0;
  int taken = 0;
  for (int round = 0; round < 4000; ++round) {
    const GameState s = RandomTable(random);
    for (const MovePhase phase : kEveryPhase) {
      for (const int pick : kEveryPick) {
        const bool is_refused = EffectOf(s.table, s.settings, 0, phase, pick) == PickEffect::Refused;
        ASSERT_EQ(WhyRefused(s.table, s.settings, 0, phase, pick) != Refusal::None, is_refused)
            << "round " << round << " phase " << static_cast<int>(phase) << " pick " << pick;
        ++(is_refused ? refused : taken);
      }
    }
  }
  // Both sides were tried often.
  EXPECT_GT(refused, 10000);
  EXPECT_GT(taken, 10000);
}

struct Case {
  const char* name;
  TurnPhaseCode turn_phase;
  std::initializer_list<int16_t> hand;
  int16_t top;
  int finish_means, mode, pending;
  int pick;
  Refusal why;
};

TEST(WhyRefused, NamesTheRuleThatRefused) {
  const Case cases[] = {
      {"neither suit nor rank", kTurnFirstAction, {S(5), H(3)}, H(7), 0, 1, 0, 1, Refusal::NoMatch},
      {"no card of the hand matches", kTurnFirstAction, {S(5), C(3)}, H(7), 0, 1, 0, 2, Refusal::NothingToPlay},
      {"the only match is a throw-more card of the last two", kTurnFirstAction, {S(8), C(3)}, H(8), 0, 1, 0, 2,
       Refusal::NothingToPlay},
      {"a penalty stands", kTurnFirstAction, {S(5), H(3)}, H(2), 0, 1, 2, 1, Refusal::PenaltyWaiting},
      {"no card at that position", kTurnFirstAction, {S(5), H(3)}, H(7), 0, 1, 0, 3, Refusal::NoCardThere},
      {"the last card cannot go out", kTurnFirstAction, {S(7)}, H(7), 0, 1, 0, 1, Refusal::NoDiscardFinish},
      {"throw-more card of the last two", kTurnFirstAction, {S(8), H(3)}, H(8), 0, 1, 0, 1, Refusal::ThrowMoreOfTwo},
      {"a turn takes no pile card", kTurnFirstAction, {S(5), H(3)}, H(7), 0, 1, 0, kPickSecondCard, Refusal::DiscardOrDraw},
      {"further: throw-more of the last two", kTurnFurtherDiscard, {S(8), D(3)}, H(7), 0, 1, 0, 1, Refusal::ThrowMoreOfTwo},
      {"further: must discard", kTurnFurtherDiscard, {S(5), D(3)}, H(7), 0, 1, 0, kPickDrawPile, Refusal::MustDiscardAgain},
      {"further: discard or stop", kTurnFurtherDiscard, {S(5), D(3)}, H(7), 0, 0, 0, kPickDiscardPile, Refusal::DiscardAgainOrStop},
      {"not the user's turn", kTurnNone, {S(5), D(3)}, H(7), 0, 1, 0, 1, Refusal::NotYourTurn},
      {"only the ninth card matches", kTurnFirstAction, {S(5), S(6), S(9), C(3), C(4), C(6), C(9), C(10), H(4)}, H(7),
       0, 1, 0, 1, Refusal::NoMatch},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GameState s = BuildTable(TableWith(c.hand, c.top));
    s.table.TurnPhase = c.turn_phase;
    s.settings.FinishMeans = static_cast<int16_t>(c.finish_means);
    s.settings.MoreDropCardMode = static_cast<int16_t>(c.mode);
    s.table.PenaltyPending = static_cast<int16_t>(c.pending);
    EXPECT_EQ(WhyRefused(s.table, s.settings, 0, UserMovePhase(s.table), c.pick), c.why);
  }
}

TEST(WhyRefused, DealerChoiceTakesOnlyItsTwoCards) {
  GameState s = BuildTable(TableWith({S(5), H(3), D(4), C(6), S(9)}, H(7)));
  s.table.HandPhase = kHandOpening;
  s.table.TurnPhase = kTurnNone;
  s.table.Dealer = 0;
  s.table.DealerChoice.clear();
  for (const int pick : {1, 5, int{kPickDrawPile}}) {
    EXPECT_EQ(WhyRefused(s.table, s.settings, 0, UserMovePhase(s.table), pick), Refusal::DealerChoiceOnly) << pick;
  }
}

}  // namespace
}  // namespace winpiruk

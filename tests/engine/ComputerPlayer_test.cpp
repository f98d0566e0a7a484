#include "engine/ComputerPlayer.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/RecordingView.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

// Draws that never make a seat hold back: r2 × 6 > 2 fails.
const std::vector<float> kNoHold = {0.0F, 0.0F, 0.0F};

GameState Table() {
  GameState s;
  s.settings = DefaultSettings("");
  return s;
}

ComputerMove Move(const GameState& s, RandomSource& random, int seat) {
  return ChooseComputerMove(s.table, s.settings, TemperOf(s.match, seat), random, seat);
}

ComputerMove Extra(const GameState& s, RandomSource& random, int seat) {
  return ChooseExtraDiscard(s.table, s.settings, TemperOf(s.match, seat), random, seat);
}

AutoPick Auto(const GameState& s, RandomSource& random) {
  return AutoPlayMove(s.table, s.settings, TemperOf(s.match, 0), random);
}

TEST(ComputerPlayer, CandidatesRankHighestFirstThenLowerCode) {
  struct Case {
    std::initializer_list<int16_t> hand;
    int16_t first, second;
  };
  const Case cases[] = {
      {{S(7), H(2), C(13)}, S(7), H(2)},  // K of clover does not match the 7 of hearts
      {{C(7), S(7)}, S(7), C(7)},
      {{H(2), H(13), D(7)}, H(13), D(7)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "first " << c.first << ", second " << c.second);
    GameState s = Table();
    s.table.TopDiscard = H(7);
    SetHand(s, 1, c.hand);
    SetHand(s, 0, {H(1), H(3), H(4), H(5)});
    ScriptedRandom random(kNoHold);
    const ComputerMove move = Move(s, random, 1);
    EXPECT_EQ(move.kind, MoveKind::Discard);
    EXPECT_EQ(move.card, c.first);
    EXPECT_EQ(random.Taken(), 3U);
    // The same ranking, seen whole.
    Candidates list{};
    int i = 0;
    for (const int16_t code : c.hand) {
      if (Matches(code, s.table.TopDiscard)) list[i++] = code;
    }
    random.Script(kNoHold);
    RankCandidates(list, s.table, s.settings, TemperOf(s.match, 1), random, 1, false);
    EXPECT_EQ(list[0], c.first);
    EXPECT_EQ(list[1], c.second);
  }
}

TEST(ComputerPlayer, HoldBackNeedsLowBoldnessAndAUserNearlyOut) {
  struct Case {
    int boldness, deduction, score, user_cards;
    float r1;
    bool holds;
  };
  // r2 = 0.9 (A holds), r3 = 0.999: r3 × 6 − 2 = 3.994.
  const Case cases[] = {
      {0, 0, 0, 2, 0.0F, true},   {3, 0, 0, 2, 0.0F, true},  {4, 0, 0, 2, 0.0F, false},
      {5, 0, 0, 2, 0.0F, false},  {0, 0, 0, 3, 0.0F, false},  // the user holds 3 cards
      {1, 1, 5, 2, 0.0F, true},   {2, 1, 5, 2, 0.0F, false},  // score far from 0 adds 2
      {0, 4, 0, 2, 0.6F, false},  {0, 4, 0, 1, 0.6F, true},   // deduction 4 waits for one card
      {0, 4, 0, 2, 0.4F, true},
  };
  for (const auto& c : cases) {
    GameState s = Table();
    s.table.TopDiscard = H(7);
    SetHand(s, 1, {S(7), H(2), C(13)});
    s.table.Hands[0][kHandCount] = static_cast<int16_t>(c.user_cards);
    s.match.Boldness[1] = static_cast<int16_t>(c.boldness);
    s.match.Deduction[1] = static_cast<int16_t>(c.deduction);
    s.match.Score[1] = static_cast<int16_t>(c.score);
    ScriptedRandom random({c.r1, 0.9F, 0.999F});
    SCOPED_TRACE(::testing::Message() << "boldness " << c.boldness << ", deduction " << c.deduction << ", score "
                                      << c.score << ", user cards " << c.user_cards << ", r1 " << c.r1);
    EXPECT_EQ(Move(s, random, 1).kind, c.holds ? MoveKind::Draw : MoveKind::Discard);
    EXPECT_EQ(random.Taken(), 3U);
  }
}

TEST(ComputerPlayer, BoldnessFiveLimitsOwnCardsToEight) {
  GameState s = Table();
  s.table.TopDiscard = H(7);
  s.match.Boldness[1] = 5;
  s.table.Hands[0][kHandCount] = 1;
  SetHand(s, 1, {S(7), H(2), C(13)});
  for (const float r3 : {0.0F, 0.5F, 0.999F}) {
    SCOPED_TRACE(::testing::Message() << "r3 " << r3);
    ScriptedRandom random({0.0F, 0.99F, r3});
    EXPECT_EQ(Move(s, random, 1).kind, MoveKind::Discard);
  }
}

TEST(ComputerPlayer, LastCardFinishesOnlyWhereTheRulesAllowIt) {
  struct Case {
    int finish_means, score;
    float r;
    MoveKind move;
  };
  const Case cases[] = {
      {0, 0, 0.0F, MoveKind::Draw},           {1, 0, 0.0F, MoveKind::Draw},
      {4, 0, 0.0F, MoveKind::Draw},           {3, 0, 0.99F, MoveKind::DiscardFinish},
      {2, 0, 0.05F, MoveKind::DiscardFinish}, {2, 0, 0.15F, MoveKind::Draw},
      {2, 9, 0.05F, MoveKind::DiscardFinish}, {2, -9, 0.05F, MoveKind::DiscardFinish},
      {2, -10, 0.0F, MoveKind::Draw},         {2, 90, 0.99F, MoveKind::DiscardFinish},
      {2, 25, 0.25F, MoveKind::DiscardFinish}, {2, 25, 0.3F, MoveKind::Draw},
  };
  for (const auto& c : cases) {
    GameState s = Table();
    s.settings.FinishMeans = static_cast<int16_t>(c.finish_means);
    s.match.Score[2] = static_cast<int16_t>(c.score);
    s.table.TopDiscard = H(7);
    SetHand(s, 2, {S(7)});
    SCOPED_TRACE(::testing::Message() << "finish means " << c.finish_means << ", score " << c.score << ", r " << c.r);
    ScriptedRandom random({c.r});
    EXPECT_EQ(Move(s, random, 2).kind, c.move);
    EXPECT_EQ(random.Taken(), 1U);
  }
  // A last card that does not match is never the finish.
  GameState s = Table();
  s.settings.FinishMeans = 3;
  s.table.TopDiscard = H(7);
  SetHand(s, 2, {S(5)});
  ScriptedRandom random({0.0F});
  EXPECT_EQ(Move(s, random, 2).kind, MoveKind::Draw);
}

TEST(ComputerPlayer, PenaltyIsPassedOnWithTheLastPenaltyCardButNeverTheLastCard) {
  struct Case {
    std::initializer_list<int16_t> hand;
    MoveKind move;
    int16_t card;
  };
  const Case cases[] = {
      {{S(2)}, MoveKind::PenaltyDraw, 0},
      {{S(2), D(5)}, MoveKind::Discard, S(2)},
      {{C(2), D(5), S(2)}, MoveKind::Discard, S(2)},
      {{D(5), D(6)}, MoveKind::PenaltyDraw, 0},
  };
  for (const auto& c : cases) {
    GameState s = Table();
    s.table.TopDiscard = H(2);
    s.table.PenaltyPending = 2;
    SetHand(s, 3, c.hand);
    SCOPED_TRACE(::testing::Message() << "card " << c.card);
    ScriptedRandom random;
    const ComputerMove move = Move(s, random, 3);
    EXPECT_EQ(move.kind, c.move);
    EXPECT_EQ(move.card, c.card);
    EXPECT_EQ(random.Taken(), 0U);
  }
}

TEST(ComputerPlayer, ThrowMoreCardNeedsTwoOtherCardsUnderModeOne) {
  struct Case {
    int mode;
    std::initializer_list<int16_t> hand;
    MoveKind move;
    bool ends_turn;
  };
  const Case cases[] = {
      {1, {S(8), D(3)}, MoveKind::Draw, true},
      {0, {S(8), D(3)}, MoveKind::Discard, true},
      {1, {S(8), D(3), C(4)}, MoveKind::Discard, false},
      {0, {S(8), D(3), C(4)}, MoveKind::Discard, false},
      {1, {S(8), D(8), C(4)}, MoveKind::Draw, true},
      {0, {S(8), D(8), C(4)}, MoveKind::Discard, true},  // one card to follow: the turn ends
  };
  for (const auto& c : cases) {
    GameState s = Table();
    s.settings.MoreDropCardMode = static_cast<int16_t>(c.mode);
    s.table.TopDiscard = H(8);
    SetHand(s, 1, c.hand);
    SCOPED_TRACE(::testing::Message() << "mode " << c.mode << ", cards " << c.hand.size() << ", move "
                                      << static_cast<int>(c.move));
    ScriptedRandom random(kNoHold);
    const ComputerMove move = Move(s, random, 1);
    EXPECT_EQ(move.kind, c.move);
    EXPECT_EQ(move.ends_turn, c.ends_turn);
  }
}

TEST(ComputerPlayer, ExtraDiscardTakesTheHighestCardOrKeepsTheFirstOfTwo) {
  struct Case {
    int boldness, finish_means;
    std::initializer_list<int16_t> hand;
    float r;
    int16_t chosen;
    std::size_t draws;
  };
  const Case cases[] = {
      {0, 0, {D(3), C(12)}, 0.5F, D(3), 1},   // 3.5 > 0: keeps slot 1
      {5, 0, {D(3), C(12)}, 0.5F, C(12), 1},  // 3.5 > 5 fails: the highest
      {0, 2, {D(3), C(12)}, 0.5F, C(12), 1},  // not under FinishMeans 2
      {0, 0, {D(3), C(12), H(12), S(5)}, 0.9F, C(12), 1},
      {0, 0, {D(3)}, 0.0F, D(3), 0},  // one card: no draw
  };
  for (const auto& c : cases) {
    GameState s = Table();
    s.settings.FinishMeans = static_cast<int16_t>(c.finish_means);
    s.match.Boldness[2] = static_cast<int16_t>(c.boldness);
    s.table.TurnOver = false;
    SetHand(s, 2, c.hand);
    SCOPED_TRACE(::testing::Message() << "boldness " << c.boldness << ", finish means " << c.finish_means
                                      << ", chosen " << c.chosen);
    ScriptedRandom random({c.r});
    const ComputerMove move = Extra(s, random, 2);
    EXPECT_EQ(move.kind, MoveKind::Discard);
    EXPECT_EQ(move.card, c.chosen);
    EXPECT_TRUE(move.ends_turn);
    EXPECT_EQ(random.Taken(), c.draws);
  }
}

TEST(ComputerPlayer, DealerKeepsTheLowerCardAndWantsSpecialCards) {
  struct Case {
    int16_t own, offered;
    std::vector<float> draws;
    DealerPick pick;
  };
  const Case cases[] = {
      {H(2), S(5), {0.5F}, DealerPick::Keep},                    // own penalty card, 2.5 > 1
      {H(2), S(5), {0.1F, 0.1F, 0.5F}, DealerPick::Keep},        // not wanted this time: lower kept
      {H(5), S(8), {0.5F, 0.5F}, DealerPick::Take},              // offered throw-more card
      {H(9), S(4), {0.5F, 0.5F, 0.9F}, DealerPick::Take},        // own card higher
      {H(4), S(9), {0.5F, 0.5F, 0.9F}, DealerPick::Keep},
      {H(4), S(9), {0.5F, 0.5F, 0.1F}, DealerPick::Take},        // one time in eight
  };
  for (const auto& c : cases) {
    GameState s = Table();
    SetHand(s, 1, {D(1), D(3), D(4), D(5), c.own});
    s.table.DrawIndex = 20;
    s.table.DeckSlots[20] = c.offered;
    SCOPED_TRACE(::testing::Message() << "own " << c.own << ", offered " << c.offered);
    ScriptedRandom random(c.draws);
    EXPECT_EQ(ComputerDealerChoice(s.table, s.settings, random, 1), c.pick);
    EXPECT_EQ(random.Left(), 0U);
  }
  // 6 against 6: kept seven times in eight.
  int kept = 0;
  for (int i = 0; i < 8; ++i) {
    GameState s = Table();
    SetHand(s, 1, {D(1), D(3), D(4), D(5), H(6)});
    s.table.DrawIndex = 20;
    s.table.DeckSlots[20] = S(6);
    ScriptedRandom random({0.5F, 0.5F, (static_cast<float>(i) + 0.5F) / 8.0F});
    kept += ComputerDealerChoice(s.table, s.settings, random, 1) == DealerPick::Keep ? 1 : 0;
  }
  EXPECT_EQ(kept, 7);
}

TEST(ComputerPlayer, AutoPlayAnswers) {
  // Dealer's choice: always four draws.
  struct Choice {
    int16_t own, offered;
    std::vector<float> draws;
    int16_t pick;
  };
  const Choice choices[] = {
      {H(4), S(9), {0.9F, 0.9F, 0.9F, 0.9F}, 11},
      {H(9), S(4), {0.9F, 0.9F, 0.9F, 0.9F}, 39},
      {H(8), S(3), {0.5F, 0.9F, 0.9F, 0.9F}, 11},  // own throw-more card wanted
      {H(8), S(3), {0.8F, 0.9F, 0.9F, 0.9F}, 39},
      {H(8), S(3), {0.7F, 0.9F, 0.9F, 0.9F}, 39},   // the chances are below 7 in 10 and 9 in 10
      {H(2), S(1), {0.9F, 0.9F, 0.9F, 0.9F}, 39},
      {H(4), S(2), {0.0F, 0.0F, 0.95F, 0.5F}, 39},  // offered penalty card
      {H(6), S(6), {0.9F, 0.9F, 0.9F, 0.9F}, 39},   // equal ranks: the deck card
  };
  for (const auto& c : choices) {
    GameState s = Table();
    s.table.HandPhase = kHandOpening;
    SetHand(s, 0, {D(1), D(3), D(4), D(5), c.own});
    s.table.DrawIndex = 20;
    s.table.DeckSlots[20] = c.offered;
    SCOPED_TRACE(::testing::Message() << "own " << c.own << ", offered " << c.offered);
    ScriptedRandom random(c.draws);
    EXPECT_EQ(Auto(s, random).pick, c.pick);
    EXPECT_EQ(random.Left(), 0U);
  }

  struct Move {
    int finish_means, pending;
    int16_t top;
    std::initializer_list<int16_t> hand;
    int16_t pick;
    int extra_pending;
  };
  const Move moves[] = {
      {0, 2, H(2), {H(2), S(5), D(2)}, 3, 0},  // the last penalty card
      {0, 2, H(2), {S(5), D(6)}, 99, 0},
      {0, 2, H(2), {S(2)}, 99, 0},              // not the last card: it may not go
      {0, 0, H(7), {S(7)}, 99, 0},              // cannot finish
      {2, 0, H(7), {S(7)}, 1, 0},
      {0, 0, H(7), {C(13), H(2), S(7)}, 3, 0},
      {0, 0, H(7), {C(13), D(3)}, 99, 0},       // nothing matches
      {0, 0, H(8), {S(8), D(3), C(4)}, 1, 1},   // throw-more with two to follow
      {0, 0, H(8), {S(8), D(3)}, 99, 0},        // only one to follow: draws
  };
  for (const auto& c : moves) {
    GameState s = Table();
    s.table.HandPhase = kHandInPlay;
    s.settings.FinishMeans = static_cast<int16_t>(c.finish_means);
    s.table.PenaltyPending = static_cast<int16_t>(c.pending);
    s.table.TopDiscard = c.top;
    SetHand(s, 0, c.hand);
    SCOPED_TRACE(::testing::Message() << "finish means " << c.finish_means << ", top " << c.top << ", pending "
                                      << c.pending << ", cards " << c.hand.size());
    s.table.TurnPhase = kTurnFirstAction;
    ScriptedRandom random(kNoHold);
    const AutoPick pick = Auto(s, random);
    EXPECT_EQ(pick.pick, c.pick);
    EXPECT_EQ(pick.extra_pending, c.extra_pending);
  }

  // After a throw-more card any card may follow: the best one, or a further
  // throw-more card.
  GameState s = Table();
  s.table.HandPhase = kHandInPlay;
  s.table.TurnPhase = kTurnFurtherDiscard;
  s.table.AutoExtraPending = true;
  SetHand(s, 0, {D(3), C(4)});
  ScriptedRandom random(kNoHold);
  AutoPick pick = Auto(s, random);
  EXPECT_EQ(pick.pick, 2);
  EXPECT_EQ(pick.extra_pending, 0);
  SetHand(s, 0, {D(3), C(8), C(4)});
  random.Script(kNoHold);
  pick = Auto(s, random);
  EXPECT_EQ(pick.pick, 2);
  EXPECT_EQ(pick.extra_pending, 1);
  // A throw-more card of the last two may not go: the other card follows.
  SetHand(s, 0, {D(3), C(8)});
  random.Script(kNoHold);
  EXPECT_EQ(Auto(s, random).pick, 1);

  // A flag left from a throw-more card that was called: the next turn is an
  // ordinary first action, so an unmatched throw-more card is not picked.
  s.table.TurnPhase = kTurnFirstAction;
  s.table.TopDiscard = H(7);
  SetHand(s, 0, {S(8), H(3), D(5)});
  random.Script(kNoHold);
  pick = Auto(s, random);
  EXPECT_EQ(pick.pick, 2);
  EXPECT_EQ(pick.extra_pending, 0);
  EXPECT_EQ(random.Left(), 0U);
}

TEST(ComputerPlayer, DiscardPictureIsTheSlotOrARandomOne) {
  ScriptedRandom random({0.95F, 0.0F});
  EXPECT_EQ(DiscardPicturePosition(random, 4, 9), 4);
  EXPECT_EQ(random.Taken(), 0U);
  EXPECT_EQ(DiscardPicturePosition(random, 10, 10), 10);
  EXPECT_EQ(DiscardPicturePosition(random, 10, 10), 1);
  EXPECT_EQ(random.Taken(), 2U);
}

TEST(ComputerPlayer, RandomIntegerStaysInRange) {
  EXPECT_EQ(RandomInt(0.0F, 26), 0);
  EXPECT_EQ(RandomInt(0.5F, 26), 13);
  EXPECT_EQ(RandomInt(0.99999994F, 26), 25);
  EXPECT_EQ(RandomInt(0.99999994F, 52), 51);
  StandardRandom a(307);
  StandardRandom b(307);
  for (int i = 0; i < 1000; ++i) {
    const float r = a.Next();
    ASSERT_GE(r, 0.0F);
    ASSERT_LT(r, 1.0F);
    ASSERT_EQ(r, b.Next());
  }
}

// A shuffle draws its values in one Fill(): of any length, odd or even, they
// are the values and the state that as many calls of Next() leave.
TEST(ComputerPlayer, FillGivesWhatNextGives) {
  for (const std::size_t length : {0U, 1U, 2U, 3U, 142U, 143U}) {
    SCOPED_TRACE(length);
    StandardRandom filled(-5);
    StandardRandom stepped(-5);
    std::vector<float> values(length);
    filled.Fill(values);
    for (const float value : values) ASSERT_EQ(value, stepped.Next());
    EXPECT_EQ(filled.Next(), stepped.Next());
  }
}

// Same rank or same suit, for every pair of codes a table can hold and a few
// it should not (those decode the way every other rank and suit lookup does).
TEST(ComputerPlayer, MatchesIsSameRankOrSuit) {
  EXPECT_TRUE(Matches(S(7), H(7)));
  EXPECT_TRUE(Matches(H(8), H(7)));
  EXPECT_FALSE(Matches(S(8), H(7)));
  EXPECT_TRUE(Matches(0, H(7)));  // an empty slot decodes as a heart
  int differences = 0;
  for (int code = -3; code <= 70; ++code) {
    for (int top = -3; top <= 70; ++top) {
      const bool rule = CardRank(code) == CardRank(top) || CardSuit(code) == CardSuit(top);
      if (Matches(code, top) != rule) ++differences;
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace winpiruk

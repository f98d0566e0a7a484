#include "engine/Dealing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/RecordingView.h"
#include "support/StoppedClock.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

GameState Table(int dealer) {
  GameState s;
  s.settings = DefaultSettings("");
  s.table.Dealer = static_cast<int16_t>(dealer);
  return s;
}

test::StoppedClock ChristmasEve() {
  test::StoppedClock clock{TimeOfDay{1997, 10, 7, 30}};
  return clock;
}

TEST(Dealing, SeedComesFromTheClockAtEveryDeal) {
  EXPECT_EQ(DealSeed(TimeOfDay{1997, 10, 7, 30}), 307);
  EXPECT_EQ(DealSeed(TimeOfDay{2026, 0, 0, 0}), 26);
  GameState s = Table(0);
  RecordingView view;
  ScriptedRandom random;
  StandardRandom real;
  random.FallBackTo(&real);
  const test::StoppedClock clock = ChristmasEve();
  ASSERT_TRUE(ShuffleAndDeal(s, view, random, clock));
  ASSERT_TRUE(ShuffleAndDeal(s, view, random, clock));
  EXPECT_EQ(random.seeds, (std::vector<int32_t>{307, 307}));

  // The same seed gives the same deck.
  GameState a = Table(1);
  GameState b = Table(1);
  StandardRandom ra;
  StandardRandom rb(12345);
  ASSERT_TRUE(ShuffleAndDeal(a, view, ra, clock));
  ASSERT_TRUE(ShuffleAndDeal(b, view, rb, clock));
  EXPECT_EQ(a.table.DeckSlots, b.table.DeckSlots);
  EXPECT_EQ(a.table.Hands, b.table.Hands);
}

TEST(Dealing, ShuffleSwapsBetweenHalvesWith142Draws) {
  // Draws alternate between a slot of the first half and one of the second;
  // every swap here exchanges slot 0 with slot 26 + k % 26, so only those
  // slots move.
  std::vector<float> draws;
  for (int k = 0; k < 71; ++k) {
    draws.push_back(0.0F);
    draws.push_back(static_cast<float>(k % 26) / 26.0F + 0.001F);
  }
  GameState s = Table(2);
  RecordingView view;
  ScriptedRandom random(draws);
  const test::StoppedClock clock = ChristmasEve();
  ASSERT_TRUE(ShuffleAndDeal(s, view, random, clock));
  EXPECT_EQ(random.Taken(), 142U);
  EXPECT_EQ(random.Left(), 0U);

  // Rebuild the deck from the hands and the undrawn slots.
  std::vector<int16_t> deck(s.table.DeckSlots.begin(), s.table.DeckSlots.begin() + 52);
  std::vector<int16_t> sorted = deck;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < 52; ++i) EXPECT_EQ(sorted[i], i + 1);
  // Slots 1..25 of the first half were never touched.
  for (int i = 1; i < 26; ++i) EXPECT_EQ(deck[i], i + 1);

  // Block deal: seat s holds slots 5s..5s+4; seat 2 slots 10..14.
  for (int seat = 0; seat < 4; ++seat) {
    EXPECT_EQ(s.table.Hands[seat][kHandCount], 5);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(s.table.Hands[seat][k], deck[5 * seat + k - 1]);
  }
  EXPECT_EQ(s.table.DrawIndex, 20);
  EXPECT_EQ(s.table.ExtraNumber, deck[51]);
  for (int i = 52; i < kDeckSlots; ++i) EXPECT_EQ(s.table.DeckSlots[i], 0);
  EXPECT_EQ(s.table.Direction, 1);
  EXPECT_TRUE(s.table.SpecialDone);

  // The deal is shown card by card from the seat after the dealer, five passes.
  std::vector<std::string> dealt;
  for (const auto& call : view.calls) {
    if (call.rfind("DealCardTo", 0) == 0) dealt.push_back(call);
  }
  ASSERT_EQ(dealt.size(), 20U);
  EXPECT_EQ(dealt[0], "DealCardTo 3 1");
  EXPECT_EQ(dealt[3], "DealCardTo 2 1");
  EXPECT_EQ(dealt[19], "DealCardTo 2 5");
  EXPECT_EQ(view.Count("PlaySound CardOperate"), 20);
  EXPECT_EQ(view.calls.front(), "EnablePlayModeMenu 0");
  EXPECT_EQ(view.calls.back(), "EnablePlayModeMenu 1");
  EXPECT_TRUE(view.Has("ShowCard 11 " + std::to_string(s.table.Hands[2][5])));
  EXPECT_TRUE(view.Has("ShowCard 39 " + std::to_string(s.table.DeckSlots[20])));
}

TEST(Dealing, EachSwapTakesItsFirstDrawForTheFirstHalfAndItsSecondForTheSecond) {
  // Three swaps whose two draws differ, then 34 pairs of equal swaps that
  // undo each other: the deck is the unshuffled one with three exchanges.
  std::vector<float> draws = {0.5F, 0.1F, 0.0F, 0.99F, 0.99F, 0.0F};
  for (int pair = 0; pair < 34; ++pair) {
    for (int twice = 0; twice < 2; ++twice) draws.insert(draws.end(), {0.2F, 0.3F});
  }
  std::array<int16_t, 52> expected{};
  for (int i = 0; i < 52; ++i) expected[i] = static_cast<int16_t>(i + 1);
  std::swap(expected[13], expected[28]);  // 0.5 × 26 and 26 + 0.1 × 26
  std::swap(expected[0], expected[51]);
  std::swap(expected[25], expected[26]);

  GameState s = Table(1);
  RecordingView view;
  ScriptedRandom random(draws);
  ASSERT_TRUE(ShuffleAndDeal(s, view, random, ChristmasEve()));
  EXPECT_EQ(random.Left(), 0U);
  for (int i = 0; i < 52; ++i) EXPECT_EQ(s.table.DeckSlots[i], expected[i]) << "slot " << i;
  EXPECT_EQ(s.table.Hands[0][1], expected[0]);
  EXPECT_EQ(s.table.ExtraNumber, expected[51]);
}

TEST(Dealing, DealerOutsideTheTableIsAnInternalError) {
  GameState s = Table(4);
  RecordingView view;
  ScriptedRandom random;
  const test::StoppedClock clock = ChristmasEve();
  EXPECT_FALSE(ShuffleAndDeal(s, view, random, clock));
  EXPECT_TRUE(view.Has("InternalError 3"));
  EXPECT_EQ(random.Taken(), 0U);
}

// Deals, then gives the dealer 3, 4, 5, 6 and a 9 with a 9 on the deck.
GameState InitialMatchTable(int dealer, int finish_means) {
  GameState s = Table(dealer);
  s.settings.FinishMeans = static_cast<int16_t>(finish_means);
  RecordingView view;
  StandardRandom random(1);
  const test::StoppedClock clock = ChristmasEve();
  EXPECT_TRUE(ShuffleAndDeal(s, view, random, clock));
  SetHand(s, dealer, {H(3), S(4), D(5), C(6), H(9)});
  s.table.DeckSlots[s.table.DrawIndex] = S(9);
  return s;
}

TEST(Dealing, InitialMatchDependsOnTheDealerAndTheRules) {
  struct Case {
    int dealer, finish_means;
    bool match;
  };
  const Case cases[] = {
      {1, 0, true},  {1, 1, false}, {1, 2, true},  {1, 3, false}, {1, 4, false},
      {0, 0, true},  {0, 1, false}, {0, 2, true},  {0, 3, true},  {0, 4, true},
  };
  for (const auto& c : cases) {
    GameState s = InitialMatchTable(c.dealer, c.finish_means);
    RecordingView view;
    ScriptedRandom random({0.5F, 0.5F, 0.5F});
    ChooseInitialCard(s, view, random);
    EXPECT_EQ(s.table.DealerChoice == "E", c.match) << c.dealer << " " << c.finish_means;
    EXPECT_EQ(s.table.DiscardIndex, 54);
    EXPECT_TRUE(s.table.TurnOver);
    if (c.match) {
      EXPECT_EQ(s.table.DrawIndex, 20) << "no card is turned";
      EXPECT_EQ(view.Has("Pause 10"), c.dealer == 0);
    }
  }
}

TEST(Dealing, ComputerDealerTurnsTheOtherCard) {
  struct Case {
    std::vector<float> draws;
    const char* choice;
  };
  // Own 9 against an offered 4: the dealer takes the lower card, whatever r3.
  const Case cases[] = {{{0.5F, 0.5F, 0.5F}, "B"}, {{0.5F, 0.5F, 0.05F}, "B"}};
  for (const auto& c : cases) {
    GameState s = InitialMatchTable(2, 0);
    s.table.DeckSlots[s.table.DrawIndex] = S(4);
    const int16_t own = s.table.Hands[2][5];
    RecordingView view;
    ScriptedRandom random(c.draws);
    ChooseInitialCard(s, view, random);
    EXPECT_EQ(s.table.DealerChoice, c.choice);
    EXPECT_EQ(s.table.Hands[2][5], S(4)) << "the deck card was taken";
    EXPECT_EQ(s.table.TopDiscard, own);
    EXPECT_EQ(s.table.DeckSlots[53], own);
    EXPECT_EQ(s.table.DrawIndex, 21);
    EXPECT_EQ(s.table.HandPhase, kHandNotDealt);
  }
  GameState s = InitialMatchTable(2, 0);
  s.table.DeckSlots[s.table.DrawIndex] = S(12);
  RecordingView view;
  ScriptedRandom random({0.5F, 0.5F, 0.5F});
  ChooseInitialCard(s, view, random);
  EXPECT_EQ(s.table.DealerChoice, "A");
  EXPECT_EQ(s.table.TopDiscard, S(12));
  EXPECT_EQ(s.table.Hands[2][5], H(9));
}

TEST(Dealing, UserDealerPicksOneOfTheTwoCards) {
  struct Case {
    int pick;
    const char* choice;
    int16_t kept, turned;
    int phase;
  };
  const Case cases[] = {
      {3, "", H(9), 0, 1},  // a hand card: the choice stays pending
      {11, "B", H(9), S(4), 2},
      {39, "A", S(4), H(9), 2},
  };
  for (const auto& c : cases) {
    GameState s = InitialMatchTable(0, 0);
    s.table.DeckSlots[s.table.DrawIndex] = S(4);
    RecordingView view;
    ScriptedRandom random;
    ChooseInitialCard(s, view, random);
    ASSERT_EQ(s.table.HandPhase, kHandOpening);
    ASSERT_TRUE(s.table.DealerChoice.empty());
    s.table.UserPick = static_cast<int16_t>(c.pick);
    ChooseInitialCard(s, view, random, c.pick);
    EXPECT_EQ(s.table.DealerChoice, c.choice);
    EXPECT_EQ(s.table.Hands[0][5], c.kept);
    EXPECT_EQ(s.table.TopDiscard, c.turned);
    EXPECT_EQ(s.table.HandPhase, c.phase);
    EXPECT_EQ(s.table.DrawIndex, c.turned == 0 ? 20 : 21);
    if (c.turned != 0) {
      EXPECT_TRUE(view.Has("ShowCard 5 " + std::to_string(c.kept)));
    }
  }
}

TEST(Dealing, StartHandCountsHandsAndStopsAfterTheLast) {
  GameState s = Table(1);
  s.settings.NumberOfGames = 2;
  s.settings.KeyGuideDisplay = 1;
  RecordingView view;
  StandardRandom random;
  const test::StoppedClock clock = ChristmasEve();
  EXPECT_TRUE(StartHand(s, view, random, clock));
  EXPECT_EQ(s.table.HandNumber, 1);
  EXPECT_TRUE(view.Has("SetTitle ぴるく  －1回め－"));
  EXPECT_TRUE(view.Has("ShowHandKeyGuides 1"));
  EXPECT_TRUE(view.Has("ShowLabel KeyGuideJ J"));
  s.table.AutoPlay = true;
  EXPECT_TRUE(StartHand(s, view, random, clock));
  EXPECT_TRUE(view.Has("SetTitle ぴるく  －2回め－  [自動実行モード]"));
  EXPECT_FALSE(StartHand(s, view, random, clock));
  EXPECT_FALSE(StartHand(s, view, random, clock));
  EXPECT_EQ(s.table.HandNumber, 3);

  // The ends of the range play as they stand; a count out of range in the
  // settings plays the repaired number of hands.
  struct Case {
    int16_t games;
    int dealt;
  };
  const Case cases[] = {{10, 10}, {1, 1}, {9, 9}, {11, 8}, {300, 8}, {0, 8}, {-1, 8}};
  for (const Case& c : cases) {
    GameState t = Table(1);
    t.settings.NumberOfGames = c.games;
    int dealt = 0;
    // Bounded, so that a match that never ends fails instead of hanging.
    while (dealt <= kMaxHandsPerMatch && StartHand(t, view, random, clock)) ++dealt;
    EXPECT_EQ(dealt, c.dealt) << c.games;
    EXPECT_EQ(t.settings.NumberOfGames, c.games) << "the record keeps what was read";
  }
}

}  // namespace
}  // namespace winpiruk

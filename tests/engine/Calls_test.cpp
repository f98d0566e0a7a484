#include "engine/Calls.h"

#include <gtest/gtest.h>

#include "support/RecordingView.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

TEST(Calls, MakesByTheRules) {
  struct Case {
    std::initializer_list<int16_t> hand;
    int rank, finish_means, ace_alias_jack;
    bool makes;
  };
  const Case cases[] = {
      {{H(3), S(4)}, 7, 0, 0, true},
      {{H(1), S(6)}, 7, 0, 0, true},
      {{H(1), S(6)}, 7, 0, 1, true},
      {{H(1), S(2)}, 3, 0, 0, true},
      {{H(1), S(2)}, 13, 0, 0, false},
      {{H(1), S(2)}, 13, 0, 1, true},
      {{H(2), S(6)}, 12, 0, 0, false},
      {{H(2), S(6)}, 12, 4, 0, true},
      {{H(2), S(6)}, 8, 4, 0, true},
      {{H(13), S(13), D(13), C(13)}, 13, 4, 0, false},
  };
  for (const auto& c : cases) {
    Settings rules = DefaultSettings("");
    rules.FinishMeans = static_cast<int16_t>(c.finish_means);
    rules.AceAliasJack = static_cast<int16_t>(c.ace_alias_jack);
    GameState s;
    SetHand(s, 1, c.hand);
    EXPECT_EQ(Makes(rules, s.table.Hands[1], c.rank), c.makes) << c.rank << " " << c.finish_means;
  }
  // A seat that has neither discarded nor drawn has no call numbers.
  GameState s;
  EXPECT_FALSE(Makes(DefaultSettings(""), s.table.Hands[2], 1));
}

TEST(Calls, UserDiscardIsCalledByTheLowestSeatThatMakesIt) {
  for (const int direction : {1, -1}) {
    GameState s;
    s.settings = DefaultSettings("");
    s.table.Direction = static_cast<int16_t>(direction);
    s.table.TopDiscard = S(9);
    SetHand(s, 1, {H(4), D(5)});
    SetHand(s, 2, {H(2), D(5)});
    SetHand(s, 3, {C(4), S(5)});
    EXPECT_TRUE(CheckCallsOnUserDiscard(s));
    EXPECT_EQ(s.table.Winner, 1);
    s.settings.FinishMeans = 3;
    s.table.Winner = 0;
    EXPECT_FALSE(CheckCallsOnUserDiscard(s));
    EXPECT_EQ(s.table.Winner, 0);
  }
}

TEST(Calls, ComputerDiscardGivesTheUserPriority) {
  struct Case {
    int auto_judgment, auto_play, confirm;
    bool user_clicks;
    std::deque<bool> answers;
    int winner;
    std::vector<std::string> waits;
  };
  const Case cases[] = {
      {1, 0, 0, false, {}, 0, {}},
      {0, 0, 0, false, {}, 3, {"WaitForClaim 8", "WaitForClaim 6"}},
      {0, 0, 0, true, {}, 0, {"WaitForClaim 8", "WaitForClaim 6"}},
      {0, 0, 1, true, {false}, 3, {"WaitForClaim 8", "WaitForClaim 6"}},
      {0, 0, 1, true, {true}, 0, {"WaitForClaim 8", "WaitForClaim 6"}},
      {0, 1, 1, false, {}, 0, {}},  // auto-play calls for the user without asking
      {1, 0, 1, false, {true}, 0, {}},
  };
  for (const auto& c : cases) {
    GameState s;
    s.settings = DefaultSettings("");
    s.settings.AutoJudgment = static_cast<int16_t>(c.auto_judgment);
    s.settings.PirukConfirm = static_cast<int16_t>(c.confirm);
    s.settings.JudgmentWaitTime = 8;
    s.table.AutoPlay = c.auto_play != 0;
    s.table.TurnPhase = kTurnFirstAction;
    s.table.CurrentSeat = 2;
    s.table.TopDiscard = S(9);
    SetHand(s, 0, {H(4), D(5)});
    SetHand(s, 3, {C(4), S(5)});
    SetHand(s, 2, {H(1), H(2), H(3)});
    s.table.Hands[2][kHandCount] = 4;  // still counts the discarded card
    RecordingView view;
    view.answers = c.answers;
    view.during_claim_wait = [&s, &c]() {
      // What a click on the discard pile does while the window is open.
      if (c.user_clicks && s.settings.AutoJudgment == 0 && s.table.TurnPhase > 0 && s.table.CallWindowOpen) {
        s.table.UserClaimedCall = true;
      }
    };
    EXPECT_TRUE(CheckCallsOnComputerDiscard(s, view));
    EXPECT_EQ(s.table.Winner, c.winner) << c.auto_judgment << c.auto_play << c.confirm << c.user_clicks;
    EXPECT_EQ(s.table.Hands[2][kHandCount], 4) << "a called discard stays counted";
    std::vector<std::string> waits;
    for (const auto& call : view.calls) {
      if (call.rfind("WaitForClaim", 0) == 0) waits.push_back(call);
    }
    EXPECT_EQ(waits, c.waits);
    EXPECT_FALSE(s.table.CallWindowOpen);
  }
}

TEST(Calls, NoCallLowersTheDiscardersCountAfterTheGraceTime) {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.AutoJudgment = 0;
  s.settings.JudgmentWaitTime = 8;
  s.table.CurrentSeat = 1;
  s.table.TopDiscard = S(9);
  SetHand(s, 0, {H(4), D(6)});
  SetHand(s, 1, {H(1), H(2)});
  s.table.Hands[1][kHandCount] = 3;
  RecordingView view;
  EXPECT_FALSE(CheckCallsOnComputerDiscard(s, view));
  EXPECT_EQ(s.table.Hands[1][kHandCount], 2);
  EXPECT_EQ(view.calls, std::vector<std::string>{"WaitForClaim 8"});

  // Under discard-finish only, nobody calls whatever the hands make.
  s.settings.FinishMeans = 3;
  s.settings.AutoJudgment = 1;
  SetHand(s, 0, {H(4), D(5)});
  s.table.Hands[1][kHandCount] = 3;
  EXPECT_FALSE(CheckCallsOnComputerDiscard(s, view));
}

TEST(Calls, CounterCallByTheDiscarder) {
  struct Case {
    std::initializer_list<int16_t> discarder_hand;
    int gaeshi, finish_means;
    bool counter;
  };
  const Case cases[] = {
      {{H(2), S(4)}, 1, 0, true},   // product 8
      {{H(2), S(4)}, 0, 0, false},  // counter-call off
      {{H(3), S(5)}, 1, 0, true},   // sum 8
      {{H(1), S(7)}, 1, 0, true},   // sum 8 with an ace
      {{}, 1, 0, false},            // nothing left: S = 0, P = −1
      {{H(5), S(6)}, 1, 0, false},
  };
  for (const auto& c : cases) {
    GameState s;
    s.settings = DefaultSettings("");
    s.settings.PirukGaeshi = static_cast<int16_t>(c.gaeshi);
    s.settings.FinishMeans = static_cast<int16_t>(c.finish_means);
    s.table.TopDiscard = D(8);
    s.table.CurrentSeat = 0;
    s.table.Winner = 1;
    SetHand(s, 0, c.discarder_hand);
    RecordingView view;
    CheckCounterCall(s, view);
    EXPECT_EQ(s.table.CounterCalled, c.counter);
    EXPECT_EQ(s.table.Winner, c.counter ? 0 : 1);
    EXPECT_EQ(s.table.CurrentSeat, c.counter);
    EXPECT_EQ(view.calls[0], "ShowCallBanner");
    EXPECT_EQ(view.calls[1], "PlaySound Piruk");
    EXPECT_EQ(view.Has("ShowCounterCallBanner"), c.counter);
    EXPECT_EQ(view.Has("PlaySound PirukGaeshi"), c.counter);
  }
  // A raised ace counts for the counter-call whatever AceAliasJack says.
  GameState s;
  s.settings = DefaultSettings("");
  s.table.TopDiscard = D(13);
  s.table.CurrentSeat = 2;
  s.table.Winner = 3;
  SetHand(s, 2, {H(1), S(2)});
  RecordingView view;
  CheckCounterCall(s, view);
  EXPECT_TRUE(s.table.CounterCalled);
}

}  // namespace
}  // namespace winpiruk

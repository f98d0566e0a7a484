#include <gtest/gtest.h>

#include "config/NumberText.h"
#include "engine/Engine.h"
#include "presentation/GameTexts.h"
#include "support/EngineHarness.h"
#include "support/StoppedClock.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

struct Table : EngineHarness {
  explicit Table(GameState table) : EngineHarness(std::move(table), 5) {}
};

TEST(Pacing, CountdownText) {
  struct Case {
    const char* current;
    int seconds;
    const char* text;
  };
  const Case cases[] = {
      {"", 9, "あと 9秒"},
      {"あと 6秒", 5, "あと 5秒"},
      {"もう一枚捨てて", 4, "もう一枚捨てて 4"},
      {"もう一枚捨てて 4", 3, "もう一枚捨てて 3"},
      {"さらに捨てる？", 0, "さらに捨てる？ 0"},
      {"あと 10秒", 9, "あと 9秒"},  // six characters are still a countdown
  };
  for (const auto& c : cases) EXPECT_EQ(CountdownText(c.current, c.seconds), c.text) << c.current;
}

TEST(Pacing, KeysBecomePicks) {
  struct Case {
    char32_t key;
    int pick;
  };
  const Case cases[] = {{U'a', 1}, {U'A', 1}, {U'\uFF81', 1}, {U'i', 9}, {U'\uFF86', 9}, {U'p', 99},
                        {U' ', 99}, {U'\uFF7E', 99}, {U'J', 11}, {U'\uFF8F', 11}, {U'k', 39},
                        {U'\uFF89', 39}, {U'x', 0}, {U'1', 0}, {U'\n', 0}};
  for (const auto& c : cases) EXPECT_EQ(KeyPick(c.key), c.pick) << static_cast<int>(c.key);
}

TEST(Pacing, KeysActOnlyWhileTheUserIsAwaited) {
  Table t(BuildTable(TableWith({S(7), D(3)}, H(7))));
  t.s.AwaitingUser = 0;
  EXPECT_FALSE(t.engine.TypeKey(U'a'));
  t.s.AwaitingUser = 1;
  t.s.HandPhase = kHandNotDealt;
  t.s.TurnPhase = kTurnNone;
  EXPECT_FALSE(t.engine.TypeKey(U'a'));
  t.s.HandPhase = kHandInPlay;
  t.s.TurnPhase = kTurnFirstAction;
  EXPECT_FALSE(t.engine.TypeKey(U'x'));
  int in_progress = -1;
  t.view.on_call = [&](const std::string& call) {
    if (in_progress < 0 && call == "HideCard 1") in_progress = t.s.PickInProgress;
  };
  EXPECT_TRUE(t.engine.TypeKey(U'a'));
  EXPECT_EQ(in_progress, 99);
  EXPECT_EQ(t.s.PickInProgress, 0);
  EXPECT_EQ(t.s.DeckSlots[54], S(7));
}

TEST(Pacing, TimeLimitCountsDownThenDraws) {
  GameState table = BuildTable(TableWith({S(7), D(3)}, H(7)));
  table.settings.RestrictTime = 2;
  Table t(table);
  t.engine.StartTimeLimit();
  EXPECT_EQ(t.s.SecondsLeft, 6);
  EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "あと 6秒");
  EXPECT_TRUE(t.view.Has("StartTimer"));
  for (int left = 5; left >= 0; --left) {
    t.engine.TimerTick();
    EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "あと" + NumberText(left) + "秒");
  }
  const int draw_index = t.s.DrawIndex;
  std::optional<int> cards;
  t.view.on_call = [&](const std::string& call) {
    if (!cards && call == "ShowArrow 1") cards = t.s.Hands[0][kHandCount];
  };
  t.engine.TimerTick();
  EXPECT_GT(t.s.DrawIndex, draw_index);
  ASSERT_TRUE(cards);
  EXPECT_EQ(*cards, 3) << "the space drew one card";
}

TEST(Pacing, TimeLimitInTheDealersChoiceKeepsTheOwnCard) {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.RestrictTime = 1;
  s.settings.GameSpeed = 3;
  s.settings.NumberOfGames = 1;
  s.Dealer = 0;
  Table t(s);
  t.engine.PlayTurn();
  if (t.s.DealerChoice == "E") GTEST_SKIP() << "this deal is an initial match";
  ASSERT_EQ(t.s.HandPhase, kHandOpening);
  EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "あと 3秒");
  const int16_t own = t.s.Hands[0][5];
  // A hand card and the draw pile do nothing during the choice.
  EXPECT_FALSE(t.engine.ClickHandCard(1));
  EXPECT_FALSE(t.engine.ClickDrawPile());
  t.s.UserPick = 99;
  t.engine.PlayTurn();
  EXPECT_EQ(t.s.HandPhase, kHandOpening);
  for (int i = 0; i < 4; ++i) t.engine.TimerTick();
  EXPECT_EQ(t.s.DealerChoice, "B");
  EXPECT_EQ(t.s.DeckSlots[53], t.s.DeckSlots[20]) << "the deck card was turned";
  EXPECT_NE(t.s.DeckSlots[53], own);
}

TEST(Pacing, FurtherDiscardCountdownKeepsThePrompt) {
  GameState table = BuildTable(TableWith({S(8), D(3), C(4)}, H(8)));
  table.settings.RestrictTime = 2;
  Table t(table);
  t.engine.StartTimeLimit();
  t.s.UserPick = 1;
  t.engine.PlayTurn();
  ASSERT_EQ(t.s.TurnPhase, kTurnFurtherDiscard);
  t.engine.TimerTick();
  EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "もう一枚捨てて 5");
  // At the end "J" and the space are refused under mode 1: the user must
  // still discard.
  for (int i = 0; i < 6; ++i) t.engine.TimerTick();
  EXPECT_EQ(t.s.TurnPhase, kTurnFurtherDiscard);
  EXPECT_EQ(t.s.Hands[0][kHandCount], 2);
}

TEST(Pacing, NewGameIsRefusedWhileTheEngineRuns) {
  struct Case {
    int auto_play, pick_in_progress, engine_running, match;
    std::deque<bool> answers;
    NewGameStep step;
    const char* shown;
  };
  const Case cases[] = {
      {1, 0, 0, 1, {}, NewGameStep::Refused, "Tell NewGameInAutoPlay"},
      {0, 3, 0, 1, {}, NewGameStep::Refused, "Tell NewGameWhileBusy"},
      {0, 0, 1, 1, {}, NewGameStep::Refused, "Tell NewGameWhileBusy"},
      {0, 0, 0, 1, {false}, NewGameStep::Kept, "Ask DiscardMatch no"},
      {0, 0, 0, 1, {true}, NewGameStep::OpenMemberDecision, "SetTitle ぴるく"},
      {0, 0, 0, 0, {}, NewGameStep::OpenMemberDecision, "StopTimer"},
  };
  for (const auto& c : cases) {
    GameState table = BuildTable(TableWith({S(7)}, H(7)));
    table.AutoPlay = static_cast<int16_t>(c.auto_play);
    table.PickInProgress = static_cast<int16_t>(c.pick_in_progress);
    table.EngineRunning = static_cast<int16_t>(c.engine_running);
    table.MatchInProgress = static_cast<int16_t>(c.match);
    table.HandNumber = 4;
    table.Score = {10, -5, 3, -8};
    Table t(table);
    t.view.answers = c.answers;
    EXPECT_EQ(t.engine.NewGame(), c.step);
    EXPECT_TRUE(t.view.Has(c.shown)) << c.shown;
    const bool reset = c.step == NewGameStep::OpenMemberDecision;
    EXPECT_EQ(t.s.HandNumber, reset ? 0 : 4);
    EXPECT_EQ(t.s.Score[1], reset ? 0 : -5);
    EXPECT_EQ(t.s.MatchInProgress, reset ? 0 : c.match);
    if (reset) {
      EXPECT_EQ(t.s.AwaitingUser, 0) << "no stale pick acts on the old table";
    }
  }
}

TEST(Pacing, PlayModeMenu) {
  GameState table = BuildTable(TableWith({S(7)}, H(7)));
  table.HandNumber = 3;
  Table t(table);
  t.engine.ChooseAutoPlay();
  EXPECT_EQ(t.s.AutoPlay, 1);
  EXPECT_TRUE(t.view.Has("CheckPlayMode 1"));
  EXPECT_TRUE(t.view.Has("SetTitle ぴるく  －3回め－  [自動実行モード]"));
  EXPECT_TRUE(t.view.Has("Tell AutoPlayFirstMove"));
  // The move pending is still the user's: nothing moved.
  EXPECT_EQ(t.s.Hands[0][kHandCount], 1);
  t.engine.ChooseManualPlay();
  EXPECT_EQ(t.s.AutoPlay, 0);
  EXPECT_TRUE(t.view.Has("SetTitle ぴるく  －3回め－"));

  // Outside the user's turn there is no message.
  Table quiet(BuildTable(TableWith({S(7)}, H(7))));
  quiet.s.AwaitingUser = 0;
  quiet.engine.ChooseAutoPlay();
  EXPECT_FALSE(quiet.view.Has("Tell AutoPlayFirstMove"));
}

TEST(Pacing, AutoPlayNeverAsksForAPickTheEngineRefusesForever) {
  // A further discard under mode 1 with a penalty pending: the auto-play
  // answers the draw pile, which is refused there.
  {
    GameState table = BuildTable(TableWith({S(8), D(3)}, H(8)));
    table.TurnPhase = kTurnFurtherDiscard;
    table.TurnOver = 0;
    table.PenaltyPending = 2;
    table.AutoPlay = 1;
    Table t(table);
    std::optional<GameState> at_seat;
    t.view.on_call = [&](const std::string& call) {
      if (!at_seat && call == "ShowArrow 1") at_seat = t.s;
    };
    t.engine.PlayTurn();
    ASSERT_TRUE(at_seat);
    EXPECT_EQ(at_seat->DeckSlots[54], D(3));
  }
  // The last card is a penalty card under FinishMeans 0: it cannot go, so
  // the auto-play draws the penalty.
  {
    GameState table = BuildTable(TableWith({S(2)}, H(2)));
    table.PenaltyPending = 2;
    table.AutoPlay = 1;
    Table t(table);
    std::optional<GameState> at_seat;
    t.view.on_call = [&](const std::string& call) {
      if (!at_seat && call == "ShowArrow 1") at_seat = t.s;
    };
    t.engine.PlayTurn();
    ASSERT_TRUE(at_seat);
    EXPECT_EQ(at_seat->Hands[0][kHandCount], 3);
    EXPECT_EQ(at_seat->PenaltyPending, 0);
  }
}

TEST(Pacing, AutoPlayPlaysWholeMatches) {
  struct Case {
    int games;
    std::deque<SettlementOutcome> outcomes;
    int hands;
    bool member_window;
  };
  const Case cases[] = {
      {3, {}, 3, false},
      {99, {}, 8, false},  // out of range: the repaired count
      {0, {}, 8, false},
      {2, {SettlementOutcome::AnotherMatch}, 4, false},
      {2, {SettlementOutcome::ChangeMembers}, 2, true},
  };
  for (const auto& c : cases) {
    GameState s;
    s.settings = DefaultSettings("");
    s.settings.NumberOfGames = static_cast<int16_t>(c.games);
    s.AutoPlay = 1;
    s.Dealer = 2;
    Table t(s);
    t.clock.Set(TimeOfDay{2026, 9, 15, 0});
    t.view.settlements = c.outcomes;
    t.engine.PlayTurn();
    EXPECT_EQ(t.view.hand_results, c.hands) << c.games;
    EXPECT_EQ(t.view.Has("ShowMemberDecision"), c.member_window);
    EXPECT_EQ(t.s.EngineRunning, 0);
    EXPECT_FALSE(t.engine.Failed());
    // The window asks once more (its load, a stray click): nothing is dealt.
    const int calls = static_cast<int>(t.view.calls.size());
    if (!c.member_window) {
      t.engine.PlayTurn();
      EXPECT_EQ(t.view.Count("DealCardTo"), 20 * c.hands);
      EXPECT_LE(static_cast<int>(t.view.calls.size()), calls + 1);
    }
  }
}

TEST(Pacing, HandlersRefuseWhileTheEngineRuns) {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.NumberOfGames = 1;
  s.AutoPlay = 1;
  s.Dealer = 1;
  Table t(s);
  int refused = 0;
  bool checked = false;
  t.view.during_pause = [&](int) {
    if (checked) return;
    checked = true;
    // A menu command and clicks arriving during a pause.
    t.s.AutoPlay = 0;
    refused += t.engine.NewGame() == NewGameStep::Refused ? 1 : 0;
    t.s.AutoPlay = 1;
    refused += t.engine.ClickHandCard(1) ? 0 : 1;
    refused += t.engine.ClickDrawPile() ? 0 : 1;
    refused += t.engine.TypeKey(U'p') ? 0 : 1;
  };
  t.engine.PlayTurn();
  EXPECT_TRUE(checked);
  EXPECT_EQ(refused, 4);
  EXPECT_TRUE(t.view.Has("Tell NewGameWhileBusy"));
  EXPECT_EQ(t.view.hand_results, 1);
}

TEST(Pacing, ClaimCountsOnlyWhileTheWindowIsOpen) {
  GameState table = BuildTable(TableWith({S(7)}, H(7)));
  table.settings.AutoJudgment = 0;
  Table t(table);
  t.engine.ClaimCall();
  EXPECT_EQ(t.s.UserClaimedCall, 0);
  t.s.CallWindowOpen = 1;
  t.engine.ClaimCall();
  EXPECT_EQ(t.s.UserClaimedCall, 1);
  t.s.UserClaimedCall = 0;
  t.s.settings.AutoJudgment = 1;
  t.engine.ClaimCall();
  EXPECT_EQ(t.s.UserClaimedCall, 0);
}

}  // namespace
}  // namespace winpiruk

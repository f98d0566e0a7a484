#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>

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
  t.s.table.AwaitingUser = false;
  EXPECT_FALSE(t.engine.TypeKey(U'a'));
  t.s.table.AwaitingUser = true;
  t.s.table.HandPhase = kHandNotDealt;
  t.s.table.TurnPhase = kTurnNone;
  EXPECT_FALSE(t.engine.TypeKey(U'a'));
  t.s.table.HandPhase = kHandInPlay;
  t.s.table.TurnPhase = kTurnFirstAction;
  EXPECT_FALSE(t.engine.TypeKey(U'x'));
  std::optional<bool> in_progress;
  t.view.on_call = [&](const std::string& call) {
    if (!in_progress && call == "HideCard 1") in_progress = t.s.table.PickInProgress;
  };
  EXPECT_TRUE(t.engine.TypeKey(U'a'));
  EXPECT_EQ(in_progress, true);
  EXPECT_FALSE(t.s.table.PickInProgress);
  EXPECT_EQ(t.s.table.DeckSlots[54], S(7));
}

TEST(Pacing, TimeLimitCountsDownThenDraws) {
  GameState table = BuildTable(TableWith({S(7), D(3)}, H(7)));
  table.settings.RestrictTime = 2;
  Table t(table);
  t.engine.StartTimeLimit();
  EXPECT_EQ(t.s.table.SecondsLeft, 6);
  EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "あと 6秒");
  EXPECT_TRUE(t.view.Has("StartTimer"));
  for (int left = 5; left >= 0; --left) {
    t.engine.TimerTick();
    EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "あと" + NumberText(left) + "秒");
  }
  const int draw_index = t.s.table.DrawIndex;
  std::optional<int> cards;
  t.view.on_call = [&](const std::string& call) {
    if (!cards && call == "ShowArrow 1") cards = t.s.table.Hands[0][kHandCount];
  };
  t.engine.TimerTick();
  EXPECT_GT(t.s.table.DrawIndex, draw_index);
  ASSERT_TRUE(cards);
  EXPECT_EQ(*cards, 3) << "the space drew one card";
}

TEST(Pacing, TimeLimitInTheDealersChoiceKeepsTheOwnCard) {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.RestrictTime = 1;
  s.settings.GameSpeed = 3;
  s.settings.NumberOfGames = 1;
  s.table.Dealer = 0;
  s.table.UserPick = 39;  // a click from before the deal
  Table t(s);
  t.engine.PlayTurn();
  if (t.s.table.DealerChoice == "E") GTEST_SKIP() << "this deal is an initial match";
  ASSERT_EQ(t.s.table.HandPhase, kHandOpening);
  EXPECT_EQ(t.s.table.UserPick, 0) << "the choice waits for a click made after the deal";
  EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "あと 3秒");
  const int16_t own = t.s.table.Hands[0][5];
  // A hand card and the draw pile do nothing during the choice.
  EXPECT_FALSE(t.engine.ClickHandCard(1));
  EXPECT_FALSE(t.engine.ClickDrawPile());
  t.s.table.UserPick = 99;
  t.engine.PlayTurn();
  EXPECT_EQ(t.s.table.HandPhase, kHandOpening);
  std::optional<bool> awaited_at_first_turn;
  t.view.on_call = [&](const std::string& call) {
    if (!awaited_at_first_turn && call.rfind("ShowArrow", 0) == 0) awaited_at_first_turn = t.s.table.AwaitingUser;
  };
  for (int i = 0; i < 4; ++i) t.engine.TimerTick();
  EXPECT_EQ(t.s.table.DealerChoice, "B");
  EXPECT_EQ(awaited_at_first_turn, false) << "the choice made, nothing waits for the user until a turn does";
  EXPECT_EQ(t.s.table.DeckSlots[53], t.s.table.DeckSlots[20]) << "the deck card was turned";
  EXPECT_NE(t.s.table.DeckSlots[53], own);
}

TEST(Pacing, FurtherDiscardCountdownKeepsThePrompt) {
  GameState table = BuildTable(TableWith({S(8), D(3), C(4)}, H(8)));
  table.settings.RestrictTime = 2;
  Table t(table);
  t.engine.StartTimeLimit();
  t.s.table.UserPick = 1;
  t.engine.PlayTurn();
  ASSERT_EQ(t.s.table.TurnPhase, kTurnFurtherDiscard);
  t.engine.TimerTick();
  EXPECT_EQ(t.view.LabelText(TableLabel::Countdown), "もう一枚捨てて 5");
  // At the end "J" and the space are refused under mode 1: the user must
  // still discard.
  for (int i = 0; i < 6; ++i) t.engine.TimerTick();
  EXPECT_EQ(t.s.table.TurnPhase, kTurnFurtherDiscard);
  EXPECT_EQ(t.s.table.Hands[0][kHandCount], 2);
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
    table.table.AutoPlay = c.auto_play != 0;
    table.table.PickInProgress = c.pick_in_progress != 0;
    table.table.EngineRunning = c.engine_running != 0;
    table.match.MatchInProgress = c.match != 0;
    table.table.HandNumber = 4;
    table.table.UserPick = 2;
    table.match.Score = {10, -5, 3, -8};
    Table t(table);
    t.view.answers = c.answers;
    EXPECT_EQ(t.engine.NewGame(), c.step);
    EXPECT_TRUE(t.view.Has(c.shown)) << c.shown;
    const bool reset = c.step == NewGameStep::OpenMemberDecision;
    EXPECT_EQ(t.s.table.HandNumber, reset ? 0 : 4);
    EXPECT_EQ(t.s.match.Score[1], reset ? 0 : -5);
    EXPECT_EQ(t.s.match.MatchInProgress, !reset && c.match != 0);
    if (reset) {
      EXPECT_FALSE(t.s.table.AwaitingUser) << "no stale pick acts on the old table";
      EXPECT_EQ(t.s.table.HandPhase, kHandNotDealt);
      EXPECT_EQ(t.s.table.TurnPhase, kTurnNone);
      EXPECT_EQ(t.s.table.UserPick, 0);
    }
  }
}

TEST(Pacing, PlayModeMenu) {
  GameState table = BuildTable(TableWith({S(7)}, H(7)));
  table.table.HandNumber = 3;
  Table t(table);
  t.engine.ChooseAutoPlay();
  EXPECT_TRUE(t.s.table.AutoPlay);
  EXPECT_TRUE(t.view.Has("CheckPlayMode 1"));
  EXPECT_TRUE(t.view.Has("SetTitle ぴるく  －3回め－  [自動実行モード]"));
  EXPECT_TRUE(t.view.Has("Tell AutoPlayFirstMove"));
  // The move pending is still the user's: nothing moved.
  EXPECT_EQ(t.s.table.Hands[0][kHandCount], 1);
  t.engine.ChooseManualPlay();
  EXPECT_FALSE(t.s.table.AutoPlay);
  EXPECT_TRUE(t.view.Has("SetTitle ぴるく  －3回め－"));

  // Outside the user's turn there is no message.
  Table quiet(BuildTable(TableWith({S(7)}, H(7))));
  quiet.s.table.AwaitingUser = false;
  quiet.engine.ChooseAutoPlay();
  EXPECT_FALSE(quiet.view.Has("Tell AutoPlayFirstMove"));
}

TEST(Pacing, AutoPlayNeverAsksForAPickTheEngineRefusesForever) {
  // A further discard under mode 1 with a penalty pending: the auto-play
  // answers the draw pile, which is refused there.
  {
    GameState table = BuildTable(TableWith({S(8), D(3)}, H(8)));
    table.table.TurnPhase = kTurnFurtherDiscard;
    table.table.TurnOver = false;
    table.table.PenaltyPending = 2;
    table.table.AutoPlay = true;
    Table t(table);
    std::optional<GameState> at_seat;
    t.view.on_call = [&](const std::string& call) {
      if (!at_seat && call == "ShowArrow 1") at_seat = t.s;
    };
    t.engine.PlayTurn();
    ASSERT_TRUE(at_seat);
    EXPECT_EQ(at_seat->table.DeckSlots[54], D(3));
  }
  // The last card is a penalty card under FinishMeans 0: it cannot go, so
  // the auto-play draws the penalty.
  {
    GameState table = BuildTable(TableWith({S(2)}, H(2)));
    table.table.PenaltyPending = 2;
    table.table.AutoPlay = true;
    Table t(table);
    std::optional<GameState> at_seat;
    t.view.on_call = [&](const std::string& call) {
      if (!at_seat && call == "ShowArrow 1") at_seat = t.s;
    };
    t.engine.PlayTurn();
    ASSERT_TRUE(at_seat);
    EXPECT_EQ(at_seat->table.Hands[0][kHandCount], 3);
    EXPECT_EQ(at_seat->table.PenaltyPending, 0);
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
    s.table.AutoPlay = true;
    s.table.Dealer = 2;
    Table t(s);
    t.clock.Set(TimeOfDay{2026, 9, 15, 0});
    t.view.settlements = c.outcomes;
    t.engine.PlayTurn();
    EXPECT_EQ(t.view.hand_results, c.hands) << c.games;
    EXPECT_EQ(t.view.Has("ShowMemberDecision"), c.member_window);
    EXPECT_FALSE(t.s.table.EngineRunning);
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
  s.table.AutoPlay = true;
  s.table.Dealer = 1;
  Table t(s);
  int refused = 0;
  bool checked = false;
  t.view.during_pause = [&](int) {
    if (checked) return;
    checked = true;
    // A menu command and clicks arriving during a pause.
    t.s.table.AutoPlay = false;
    refused += t.engine.NewGame() == NewGameStep::Refused ? 1 : 0;
    t.s.table.AutoPlay = true;
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
  EXPECT_FALSE(t.s.table.UserClaimedCall);
  t.s.table.CallWindowOpen = true;
  t.engine.ClaimCall();
  EXPECT_TRUE(t.s.table.UserClaimedCall);
  t.s.table.UserClaimedCall = false;
  t.s.settings.AutoJudgment = 1;
  t.engine.ClaimCall();
  EXPECT_FALSE(t.s.table.UserClaimedCall);
}

}  // namespace
}  // namespace winpiruk

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

// Outside the user's move every click is refused and leaves the table as it
// was; on the move each pile is taken when the turn allows it.
TEST(Pacing, ClicksOutsideTheUsersMoveAreRefusedAndChangeNothing) {
  using Click = bool (Engine::*)();
  const std::array<Click, 3> clicks = {&Engine::ClickDrawPile, &Engine::ClickDiscardPile, &Engine::ClickSecondCard};
  const struct {
    const char* name;
    std::function<void(GameState&)> set;
    std::array<bool, 3> taken;  // the draw pile, the discard pile, the second card
  } moments[] = {
      {"the engine runs", [](GameState& s) { s.table.EngineRunning = true; }, {false, false, false}},
      {"a computer's move", [](GameState& s) { s.table.AwaitingUser = false; }, {false, false, false}},
      {"no hand dealt", [](GameState& s) { s.table.HandPhase = kHandNotDealt; }, {false, false, false}},
      {"already drawn", [](GameState& s) { s.table.DrewThisTurn = true; }, {false, true, true}},
      {"the turn's first action", [](GameState& s) { s.table.TurnPhase = kTurnFirstAction; }, {true, false, false}},
      {"a further discard", [](GameState&) {}, {true, true, true}},
  };
  for (const auto& moment : moments) {
    for (std::size_t c = 0; c < clicks.size(); ++c) {
      SCOPED_TRACE(std::string(moment.name) + ", pile " + std::to_string(c));
      GameState table = BuildTable(TableWith({S(7), H(3)}, H(7)));
      table.table.TurnPhase = kTurnFurtherDiscard;
      moment.set(table);
      Table t(table);
      const GameState before = t.s;
      EXPECT_EQ((t.engine.*clicks[c])(), moment.taken[c]);
      EXPECT_FALSE(t.s.table.PickInProgress);
      if (moment.taken[c]) continue;
      EXPECT_EQ(t.s.table.UserPick, before.table.UserPick);
      EXPECT_EQ(t.s.table.Hands, before.table.Hands);
      EXPECT_EQ(t.s.table.TopDiscard, before.table.TopDiscard);
    }
  }
}

}  // namespace
}  // namespace winpiruk

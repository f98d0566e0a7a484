#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "config/SettingsStore.h"
#include "engine/Engine.h"
#include "support/EngineHarness.h"
#include "support/Rows.h"
#include "support/StoppedClock.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

using Harness = EngineHarness;

TEST(TurnEngine, OnlyMatchingCardsArePlayable) {
  struct Case {
    int pick;
    bool taken;
  };
  const Case cases[] = {{1, true}, {2, true}, {3, false}, {5, false}, {11, false}, {39, false}};
  for (const auto& c : cases) {
    Harness h(BuildTable(TableWith({S(7), H(2), S(8), C(13)}, H(7))));
    h.Pick(c.pick);
    if (!c.taken) {
      EXPECT_EQ(h.s.table.UserPick, 0);
      EXPECT_TRUE(h.s.table.AwaitingUser);
      EXPECT_EQ(h.s.table.Hands[0][kHandCount], 4);
      EXPECT_EQ(h.s.table.DiscardIndex, 54);
      EXPECT_FALSE(h.at_first_computer);
      continue;
    }
    ASSERT_TRUE(h.at_first_computer) << c.pick;
    const GameState& t = *h.at_first_computer;
    EXPECT_EQ(t.table.DeckSlots[54], c.pick == 1 ? S(7) : H(2));
    EXPECT_EQ(t.table.Hands[0][kHandCount], 3);
    EXPECT_EQ(t.table.Hands[0][4], 0);
    EXPECT_EQ(t.table.PenaltyPending, c.pick == 2 ? 2 : 0);
    EXPECT_TRUE(h.view.Has("HideCard " + std::to_string(c.pick)));
  }
}

TEST(TurnEngine, PenaltyIsDrawnOrPassedOn) {
  struct Case {
    std::vector<int16_t> hand;
    int pick;
    int count_after, pending_after;
    bool overflow;
  };
  const Case cases[] = {
      {{S(7), H(3), C(4)}, 2, 7, 0, false},                                // playable card: draws 4
      {{S(7), H(3), C(4)}, 99, 7, 0, false},                               // the draw pile: the same
      {{S(2), H(3)}, 1, 1, 6, false},                                      // penalty card passes it on
      {{H(3), C(4), C(5), C(6), D(3), D(4), D(5)}, 1, 10, 1, true},       // stopped at ten cards
  };
  for (const auto& c : cases) {
    TableSetup setup = TableWith(c.hand, H(2));
    GameState table = BuildTable(setup);
    table.table.PenaltyPending = 4;
    Harness h(table);
    h.Pick(c.pick);
    if (c.overflow) {
      EXPECT_EQ(h.s.table.HandEndCode, kEndCardOver);
      EXPECT_EQ(h.s.table.CurrentSeat, 0);
      EXPECT_EQ(h.s.table.Hands[0][kHandCount], 10);
      EXPECT_EQ(h.s.table.PenaltyPending, c.pending_after);
      EXPECT_TRUE(h.view.Has("PlaySound CardOver"));
      EXPECT_EQ(h.view.hand_results, 1);
      continue;
    }
    ASSERT_TRUE(h.at_first_computer);
    EXPECT_EQ(h.at_first_computer->table.Hands[0][kHandCount], c.count_after);
    EXPECT_EQ(h.at_first_computer->table.PenaltyPending, c.pending_after);
  }
}

TEST(TurnEngine, DrawingTheTenthCardEndsTheHand) {
  Harness h(BuildTable(TableWith({S(1), S(2), S(3), S(4), S(5), S(6), S(8), S(9), S(10)}, H(7))));
  h.Pick(99);
  EXPECT_EQ(h.s.table.HandEndCode, kEndCardOver);
  EXPECT_EQ(h.s.table.CurrentSeat, 0);
  EXPECT_FALSE(h.s.table.DrewThisTurn);
  EXPECT_FALSE(h.at_first_computer);
}

TEST(TurnEngine, LastCardUnderEachWayOfGoingOut) {
  struct Case {
    int finish_means;
    std::deque<bool> answers;
    bool asked, finished;
  };
  const Case cases[] = {
      {0, {}, false, false}, {1, {}, false, false}, {4, {}, false, false},
      {2, {false}, true, false}, {3, {false}, true, false},
      {2, {true}, true, true}, {3, {true}, true, true},
  };
  for (const auto& c : cases) {
    GameState table = BuildTable(TableWith({S(7)}, H(7)));
    table.settings.FinishMeans = static_cast<int16_t>(c.finish_means);
    Harness h(table);
    h.view.answers = c.answers;
    h.Pick(1);
    EXPECT_EQ(h.view.Has("Ask DiscardFinish yes") || h.view.Has("Ask DiscardFinish no"), c.asked) << c.finish_means;
    if (c.finished) {
      EXPECT_EQ(h.s.table.HandEndCode, kEndDiscardFinish);
      EXPECT_EQ(h.s.table.Winner, 0);
      EXPECT_EQ(h.s.table.Hands[0][kHandCount], 0);
      EXPECT_EQ(h.s.table.Hands[0][1], S(7));
      EXPECT_EQ(h.s.table.DiscardIndex, 54);
      EXPECT_TRUE(h.view.Has("PlaySound NoGame"));
    } else {
      EXPECT_EQ(h.s.table.Hands[0][kHandCount], 1);
      EXPECT_TRUE(h.s.table.AwaitingUser);
      EXPECT_EQ(h.s.table.UserPick, 0);
      EXPECT_EQ(h.s.table.HandEndCode, 0);
    }
  }
}

TEST(TurnEngine, ThrowMoreCardAndTheFurtherDiscard) {
  // Three cards under mode 0: the prompt, then the draw pile ends the turn
  // without a card.
  {
    GameState table = BuildTable(TableWith({S(8), D(3), C(4)}, H(8)));
    table.settings.MoreDropCardMode = 0;
    Harness h(table);
    h.Pick(1);
    EXPECT_EQ(h.s.table.TurnPhase, kTurnFurtherDiscard);
    EXPECT_EQ(h.view.LabelText(TableLabel::Countdown), "さらに捨てる？");
    EXPECT_FALSE(h.at_first_computer);
    const int draw_index = h.s.table.DrawIndex;
    h.Pick(99);
    ASSERT_TRUE(h.at_first_computer);
    EXPECT_EQ(h.at_first_computer->table.Hands[0][kHandCount], 2);
    EXPECT_EQ(h.at_first_computer->table.DrawIndex, draw_index);
    EXPECT_FALSE(h.at_first_computer->table.DrewThisTurn);
  }
  // Under mode 1 the draw pile is refused and any card may follow.
  {
    Harness h(BuildTable(TableWith({S(8), D(3), C(4)}, H(8))));
    h.Pick(1);
    EXPECT_EQ(h.view.LabelText(TableLabel::Countdown), "もう一枚捨てて");
    h.Pick(99);
    EXPECT_EQ(h.s.table.TurnPhase, kTurnFurtherDiscard);
    EXPECT_FALSE(h.at_first_computer);
    h.Pick(2);  // the 4 of clover matches nothing
    ASSERT_TRUE(h.at_first_computer);
    EXPECT_EQ(h.at_first_computer->table.DeckSlots[55], C(4));
    EXPECT_EQ(h.at_first_computer->table.Hands[0][kHandCount], 1);
  }
  // Two cards: an ordinary card under mode 0, refused under mode 1.
  for (const int mode : {0, 1}) {
    GameState table = BuildTable(TableWith({S(8), D(3)}, H(8)));
    table.settings.MoreDropCardMode = static_cast<int16_t>(mode);
    Harness h(table);
    h.Pick(1);
    if (mode == 0) {
      ASSERT_TRUE(h.at_first_computer);
      EXPECT_EQ(h.at_first_computer->table.DeckSlots[54], S(8));
      EXPECT_EQ(h.at_first_computer->table.TurnPhase, kTurnFirstAction);
    } else {
      EXPECT_FALSE(h.at_first_computer);
      EXPECT_EQ(h.s.table.Hands[0][kHandCount], 2);
    }
  }
}

TEST(TurnEngine, ARankThatIsPenaltyAndThrowMoreActsAsThePenaltyCard) {
  // The two of spades is both: it passes the penalty on and ends the turn,
  // with no prompt and no further discard, even with two cards in hand
  // where a throw-more card alone would be refused.
  struct Case {
    std::vector<int16_t> hand;
    int mode;
    int pending_before;
  };
  const Case cases[] = {
      {{S(2), D(3), C(4)}, 0, 0}, {{S(2), D(3), C(4)}, 1, 0}, {{S(2), D(3), C(4)}, 1, 4},
      {{S(2), D(3)}, 1, 0},       {{S(2), S(3), H(2)}, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    GameState table = BuildTable(TableWith(c.hand, H(2)));
    table.settings.MoreDropCard = table.settings.PenaltyCard;
    table.settings.MoreDropCardMode = static_cast<int16_t>(c.mode);
    table.table.PenaltyPending = static_cast<int16_t>(c.pending_before);
    Harness h(table);
    h.Pick(1);
    ASSERT_TRUE(h.at_first_computer);
    const TableState& t = h.at_first_computer->table;
    EXPECT_EQ(t.PenaltyPending, c.pending_before + 2);
    EXPECT_TRUE(t.TurnOver);
    EXPECT_EQ(t.TurnPhase, kTurnFirstAction);
    EXPECT_EQ(t.CurrentSeat, 1);
    EXPECT_EQ(t.DeckSlots[54], S(2));
    EXPECT_EQ(t.DeckSlots[55], 0) << "nothing discarded after it";
    EXPECT_EQ(t.Hands[0][kHandCount], static_cast<int>(c.hand.size()) - 1);
    EXPECT_FALSE(h.view.Has("ShowLabel Countdown さらに捨てる？"));
    EXPECT_FALSE(h.view.Has("ShowLabel Countdown もう一枚捨てて"));
  }
}

TEST(TurnEngine, APenaltyCountOutOfRangeInARuleFilePlaysAsRepaired) {
  // The user passes a penalty to seat 1, which holds no penalty card and
  // draws exactly the count in use.
  struct Case {
    const char* line;
    int drawn;
  };
  const Case cases[] = {{"PenaltyLeaves = 9", 2}, {"PenaltyLeaves = 6", 2}, {"PenaltyLeaves = 0", 2},
                        {"PenaltyLeaves = -3", 2}, {"PenaltyLeaves = 5", 5}, {"PenaltyLeaves = 1", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    test::TempDir dir;
    const std::string rules = dir.File("rules.prk");
    std::ofstream(rules, std::ios::binary) << "[WinPiruk]\r\n" << c.line << "\r\n";
    GameState table = BuildTable(TableWith({S(2), D(3), C(4)}, H(2)));
    ASSERT_TRUE(LoadSettingsFile(rules, table.settings));
    Harness h(table);
    std::optional<GameState> at_seat_two;
    h.view.on_call = [&](const std::string& call) {
      if (!at_seat_two && call == "ShowArrow 2") at_seat_two = h.s;
    };
    h.Pick(1);
    ASSERT_TRUE(at_seat_two);
    EXPECT_EQ(at_seat_two->table.Hands[1][kHandCount], 2 + c.drawn);
    EXPECT_EQ(at_seat_two->table.PenaltyPending, 0);
  }
}

TEST(TurnEngine, SpecialCardsMoveTheTurn) {
  // Reverse by the user: seat 3 moves next.
  {
    Harness h(BuildTable(TableWith({S(9), D(3)}, H(9))));
    h.Pick(1);
    ASSERT_TRUE(h.at_first_computer);
    EXPECT_EQ(h.at_first_computer->table.CurrentSeat, 3);
    EXPECT_EQ(h.at_first_computer->table.Direction, -1);
  }
  // Skip by the user: seat 2, never seat 0.
  {
    Harness h(BuildTable(TableWith({S(1), D(3)}, H(1))));
    h.Pick(1);
    const auto first = std::find_if(h.view.calls.begin(), h.view.calls.end(),
                                    [](const std::string& call) { return call.rfind("ShowArrow", 0) == 0; });
    ASSERT_NE(first, h.view.calls.end());
    EXPECT_EQ(*first, "ShowArrow 2");
  }
  // A card that both reverses and skips only reverses; a top card whose
  // effect was applied before does not act again when the user draws.
  struct After {
    int16_t top;
    int pick;
    bool both;
    int first_seat;
  };
  for (const After& c : {After{H(9), 1, true, 3}, After{H(1), 99, false, 1}}) {
    GameState table = BuildTable(TableWith({S(9), D(3)}, c.top));
    if (c.both) table.settings.SkipCard = 9;
    Harness h(table);
    h.Pick(c.pick);
    ASSERT_TRUE(h.at_first_computer) << c.top;
    EXPECT_EQ(h.at_first_computer->table.CurrentSeat, c.first_seat) << c.top;
  }
  // Skip by seat 2 lands on the user in both directions.
  for (const int direction : {1, -1}) {
    TableSetup setup = TableWith({D(3), D(4)}, H(1));
    setup.hands[2] = {S(1), C(12), C(13)};
    GameState table = BuildTable(setup);
    table.table.Direction = static_cast<int16_t>(direction);
    table.table.CurrentSeat = 2;
    table.table.AwaitingUser = false;
    RecordingView view;
    ScriptedRandom random({0.0F, 0.0F, 0.0F});
    test::StoppedClock clock{TimeOfDay{}};
    MemberFilesRecord files;
    Engine engine(table, view, random, clock, files.Keeping());
    EXPECT_EQ(engine.RunComputerSeats(), kUserTurn);
    EXPECT_EQ(table.table.CurrentSeat, 0);
    EXPECT_EQ(table.table.HandPhase, kHandInPlay);
    EXPECT_EQ(table.table.TurnPhase, kTurnFirstAction);
    EXPECT_EQ(table.table.DeckSlots[54], S(1));
    EXPECT_EQ(table.table.Hands[2][kHandCount], 2);
    EXPECT_EQ(random.Left(), 0U);
    EXPECT_EQ(view.calls.back(), "ShowArrow 0");
  }
}

TEST(TurnEngine, ComputerSeatPausesOnceWhenItTakesAPenalty) {
  // Without automatic judgment a seat that decides to draw pauses 0.2 s; the
  // further cards of a penalty follow without a pause each.
  TableSetup setup = TableWith({D(3), D(4)}, H(2));
  setup.hands[1] = {C(5), C(6)};
  GameState table = BuildTable(setup);
  table.settings.AutoJudgment = 0;
  table.table.PenaltyPending = 4;
  table.table.CurrentSeat = 1;
  table.table.AwaitingUser = false;
  Harness h(table);
  std::vector<std::string> seat_one;
  bool in_seat_one = false;
  h.view.on_call = [&](const std::string& call) {
    if (call.rfind("ShowArrow", 0) == 0) in_seat_one = call == "ShowArrow 1";
    if (in_seat_one) seat_one.push_back(call);
  };
  h.engine.RunComputerSeats();
  EXPECT_EQ(std::count(seat_one.begin(), seat_one.end(), "ShowDrawAnimation"), 4);
  EXPECT_EQ(std::count(seat_one.begin(), seat_one.end(), "Pause 2"), 1);
}

TEST(TurnEngine, TheDeckRunsOutAndThePileIsDrawnAgain) {
  TableSetup setup = TableWith({D(3), D(4)}, S(3));
  GameState table = BuildTable(setup);
  // Every undrawn card but the 2 of clover has been played; the last one
  // played is the 5 of hearts.
  std::vector<int16_t> undrawn(table.table.DeckSlots.begin() + table.table.DrawIndex, table.table.DeckSlots.begin() + 52);
  undrawn.erase(std::remove(undrawn.begin(), undrawn.end(), C(2)), undrawn.end());
  undrawn.erase(std::remove(undrawn.begin(), undrawn.end(), H(5)), undrawn.end());
  undrawn.push_back(H(5));
  for (int i = 0; i < 52; ++i) table.table.DeckSlots[i] = 0;
  for (const int16_t code : undrawn) table.table.DeckSlots[table.table.DiscardIndex++] = code;
  table.table.DeckSlots[51] = C(2);
  table.table.DrawIndex = 51;
  table.table.TopDiscard = H(5);
  table.settings.ExtraCardEnable = 1;
  Harness h(table);
  std::optional<GameState> after_seat_one;
  h.view.on_call = [&](const std::string& call) {
    if (!after_seat_one && call == "ShowHand 1") after_seat_one = h.s;
  };
  h.Pick(99);
  ASSERT_TRUE(after_seat_one);
  const GameState& t = *after_seat_one;
  EXPECT_EQ(t.table.Hands[0][3], C(2));
  EXPECT_EQ(t.table.Hands[1][3], S(3)) << "seat 1 drew the initial card";
  EXPECT_EQ(t.table.DrawIndex, 54);
  EXPECT_EQ(t.table.DiscardIndex, 1);
  EXPECT_EQ(t.table.ExtraNumber, 5);
  const int message = h.view.IndexOf("ShowLabel ReuseMessage 場札を再度使います.");
  ASSERT_GE(message, 0);
  EXPECT_EQ(h.view.calls[message + 1], "Pause 30");
  EXPECT_EQ(h.view.calls[message + 2], "HideLabel ReuseMessage");
  EXPECT_TRUE(h.view.Has("ShowLabel ExtraNumberTitle ｴｸｽﾄﾗﾅﾝﾊﾞｰ"));
  EXPECT_TRUE(h.view.Has("ShowCard 39 5"));
}

TEST(TurnEngine, SpeedPauseFollowsSpeedAndJudgment) {
  struct Case {
    int speed, judgment, units;
  };
  const Case cases[] = {{0, 1, 10}, {1, 1, 4}, {2, 1, 2}, {3, 1, 0}, {0, 0, 0}, {2, 0, 0}, {9, 1, 10}};
  for (const auto& c : cases) {
    Settings settings = DefaultSettings("");
    settings.GameSpeed = static_cast<int16_t>(c.speed);
    settings.AutoJudgment = static_cast<int16_t>(c.judgment);
    EXPECT_EQ(SpeedPauseUnits(settings), c.units) << c.speed << " " << c.judgment;
    GameState table = BuildTable(TableWith({S(7), D(3)}, H(7)));
    table.settings = settings;
    table.settings.NumberOfGames = 1;
    Harness h(table);
    h.Pick(1);
    EXPECT_EQ(h.view.Count("SpeedPause"), c.units == 0 ? 0 : h.view.Count("ShowArrow"));
    if (c.units != 0) {
      EXPECT_TRUE(h.view.Has("SpeedPause " + std::to_string(c.units)));
    }
  }
}

TEST(TurnEngine, ComputerSeatsThatCannotMoveAreAnInternalError) {
  GameState table = BuildTable(TableWith({S(7)}, H(7)));
  table.table.CurrentSeat = 0;
  RecordingView view;
  ScriptedRandom random;
  test::StoppedClock clock{TimeOfDay{}};
  MemberFilesRecord files;
  Engine engine(table, view, random, clock, files.Keeping());
  EXPECT_EQ(engine.RunComputerSeats(), kNotComputerSeat);

  GameState bad;
  bad.settings = DefaultSettings("");
  bad.table.Dealer = 7;
  Engine dealer_error(bad, view, random, clock, files.Keeping());
  dealer_error.PlayTurn();
  EXPECT_TRUE(view.Has("InternalError 3"));
  EXPECT_TRUE(dealer_error.Failed());
  EXPECT_FALSE(bad.table.EngineRunning);
}

}  // namespace
}  // namespace winpiruk

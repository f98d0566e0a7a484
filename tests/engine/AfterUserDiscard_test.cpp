// What follows the user's move: which computer seat takes the turn, and
// which seat calls the user's discard.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/Engine.h"
#include "engine/QuietTableView.h"
#include "support/StoppedClock.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

// Keeps the seats the turn arrow goes to and the table as the hand ended.
class TurnView final : public QuietTableView {
 public:
  explicit TurnView(const GameState& state) : state_(state) {}
  void ShowArrow(int seat) override {
    arrows.push_back(seat);
    awaiting_user_at_arrows.push_back(state_.table.AwaitingUser);
  }
  void ShowHandResult(const HandResultView&) override { at_hand_end = state_; }

  std::vector<int> arrows;
  std::vector<bool> awaiting_user_at_arrows;
  std::optional<GameState> at_hand_end;

 private:
  const GameState& state_;
};

// These cases end before any score matters.
Scorekeeping Unscored() {
  Scorekeeping keeping;
  keeping.on = false;
  return keeping;
}

struct Table {
  explicit Table(GameState table) : s(std::move(table)), view(s), engine(s, view, random, clock, Unscored()) {}
  void Pick(int pick) {
    s.table.UserPick = static_cast<int16_t>(pick);
    engine.PlayTurn();
  }
  GameState s;
  TurnView view;
  StandardRandom random{7};
  test::StoppedClock clock;
  Engine engine;
};

// A throw-more card with two cards left under mode 0: the draw pile then
// ends the user's turn without a card, and the next seat in the direction
// of play moves.
TEST(AfterUserDiscard, TheDrawPileAfterAThrowMoreCardPassesTheTurnInTheDirectionOfPlay) {
  for (const int direction : {1, -1}) {
    SCOPED_TRACE(direction > 0 ? "forward" : "reverse");
    GameState table = BuildTable(TableWith({S(8), D(3), C(4)}, H(8)));
    table.settings.MoreDropCardMode = 0;
    table.table.Direction = static_cast<int16_t>(direction);
    Table t(table);
    t.Pick(1);
    ASSERT_EQ(t.s.table.TurnPhase, kTurnFurtherDiscard);
    ASSERT_TRUE(t.view.arrows.empty());
    t.Pick(kPickDrawPile);
    ASSERT_FALSE(t.view.arrows.empty());
    EXPECT_EQ(t.view.arrows.front(), direction > 0 ? 1 : 3);
    // Nothing waits for the user while the other seats play.
    EXPECT_FALSE(t.view.awaiting_user_at_arrows.front());
  }
}

// Seats 1 and 2 cannot make the number; seat 3 can, in either direction.
TEST(AfterUserDiscard, ADiscardOnlySeatThreeMakesIsCalledBySeatThree) {
  for (const int direction : {1, -1}) {
    SCOPED_TRACE(direction > 0 ? "forward" : "reverse");
    TableSetup setup = TableWith({S(7), H(2), S(3)}, H(7));
    setup.hands[3] = {C(3), C(4)};
    GameState table = BuildTable(setup);
    table.table.Direction = static_cast<int16_t>(direction);
    Table t(table);
    t.Pick(1);
    ASSERT_TRUE(t.view.at_hand_end);
    EXPECT_EQ(t.view.at_hand_end->table.HandEndCode, kEndCall);
    EXPECT_EQ(t.view.at_hand_end->table.Winner, 3);
    EXPECT_FALSE(t.view.at_hand_end->table.CounterCalled);
    EXPECT_EQ(t.view.at_hand_end->table.TopDiscard, S(7));
  }
}

}  // namespace
}  // namespace winpiruk

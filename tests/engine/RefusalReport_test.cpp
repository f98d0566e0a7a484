// The engine tells its view why the user's pick was refused, and only then.
#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "support/RecordingView.h"
#include "support/StoppedClock.h"
#include "support/TableBuilder.h"

namespace winpiruk {
namespace {

using namespace winpiruk::testing;

class RefusalView : public RecordingView {
 public:
  std::vector<Refusal> refusals;
  void ShowRefusal(Refusal why) override { refusals.push_back(why); }
};

struct Table {
  explicit Table(GameState table) : s(std::move(table)), real(7), engine(s, view, random, clock, files.Keeping()) {
    random.FallBackTo(&real);
  }
  GameState s;
  RefusalView view;
  ScriptedRandom random;
  StandardRandom real;
  test::StoppedClock clock{TimeOfDay{}};
  MemberFilesRecord files;
  Engine engine;
};

TEST(RefusalReport, ARefusedClickSaysWhyOnce) {
  Table t(BuildTable(TableWith({S(5), H(3)}, H(7))));
  EXPECT_TRUE(t.engine.ClickHandCard(1));
  EXPECT_EQ(t.view.refusals, std::vector<Refusal>{Refusal::NoMatch});
  EXPECT_TRUE(t.s.table.AwaitingUser);
  EXPECT_EQ(t.s.table.Hands[0][kHandCount], 2);
}

TEST(RefusalReport, ATakenPickOrNoPickSaysNothing) {
  Table t(BuildTable(TableWith({S(5), H(3)}, H(7))));
  t.engine.PlayTurn();  // no pick: the turn handler only looks
  EXPECT_TRUE(t.view.refusals.empty());
  EXPECT_TRUE(t.engine.ClickHandCard(2));
  EXPECT_TRUE(t.view.refusals.empty());
}

TEST(RefusalReport, TheTimeLimitsOwnKeyIsRefusedSilently) {
  // At the end of the time limit "J" is refused in an ordinary turn and the
  // space draws: the user pressed neither.
  Table t(BuildTable(TableWith({S(5), H(3)}, H(7))));
  t.s.table.SecondsLeft = 0;
  t.engine.TimerTick();
  EXPECT_TRUE(t.view.refusals.empty());
  EXPECT_EQ(t.s.table.Hands[0][kHandCount], 3);
  // The same key typed by the user is explained.
  t.s.table.AwaitingUser = true;
  t.s.table.HandPhase = kHandInPlay;
  t.s.table.TurnPhase = kTurnFirstAction;
  t.s.table.UserPick = 0;
  EXPECT_TRUE(t.engine.TypeKey(U'J'));
  EXPECT_EQ(t.view.refusals, std::vector<Refusal>{Refusal::DiscardOrDraw});
}

}  // namespace
}  // namespace winpiruk

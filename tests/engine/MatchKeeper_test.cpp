// A match ended in the middle and taken up again counts every hand in the
// members' records exactly once, as if it had been played through.
#include "engine/MatchKeeper.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/QuietTableView.h"
#include "members/MemberDecision.h"
#include "scoring/MemberFiles.h"
#include "support/RecordingView.h"
#include "support/StoppedClock.h"
#include "support/TableUserMove.h"
#include "support/TempDir.h"

namespace winpiruk {
namespace {

constexpr int kHands = 3;
const TimeOfDay kDealtAt{2026, 13, 9, 17};

GameState NewMatch() {
  GameState s;
  s.settings = DefaultSettings("");
  s.settings.NumberOfGames = kHands;
  DecodeMemberNames(std::nullopt, s.members);
  DecodeMemberData(std::nullopt, s.members);
  s.match.SeatMember = {1, 3, 5, 7};
  for (int seat = 1; seat < kSeats; ++seat) {
    s.match.SeatName[seat] = s.members.MemberName[1][s.match.SeatMember[seat]];
    s.match.Boldness[seat] = static_cast<int16_t>(seat + 1);
    s.match.Deduction[seat] = static_cast<int16_t>(5 - seat);
  }
  StartMatch(s, 45296);
  s.table.Dealer = 0;
  return s;
}


class ResultView : public QuietTableView {
 public:
  std::function<void()> on_result;
  std::function<void()> on_pause;
  void ShowHandResult(const HandResultView&) override {
    if (on_result) on_result();
  }
  void Pause(int) override {
    if (on_pause) on_pause();
  }
  void SpeedPause(int) override {
    if (on_pause) on_pause();
  }
};

// What the program leaves behind when it ends at a moment: the kept match
// and the members' records as the quit writes them.
struct Quit {
  KeptMatch kept;
  MemberTable members;
  bool user_to_move = false;
};

// Where a match stands when the program could be ended.
struct Where {
  int waits = 0;            // for the user, so far
  int results = 0;          // hand results shown so far
  int waits_this_hand = 0;  // for the user since the last result
  bool pausing = false;     // in a pause of the game's own
};

// A table with its engine and keeper; `quit_here` looks at each wait for
// the user, each pause and each hand result, and says when to end the
// program there.
struct Table {
  Table(GameState state, const ProgramPaths& paths)
      : s(std::move(state)), random(5), clock(kDealtAt), keeper(s, paths, random),
        engine(s, view, random, clock, Keeping()) {}

  Scorekeeping Keeping() {
    Scorekeeping keeping = files.Keeping();
    keeping.keep_moment = [this](const TableState& t, const MatchState& m) { keeper.Keep(t, m); };
    return keeping;
  }

  // Plays to the end of the match; returns what a quit left at the first
  // place `quit_here` chose.
  std::optional<Quit> Play(bool user_to_move, const std::function<bool(const Where&)>& quit_here) {
    std::optional<Quit> quit;
    Where where;
    const auto take = [&](bool at_user_move) {
      if (quit || !quit_here(where) || !keeper.kept()) return;
      quit = Quit{*keeper.kept(), s.members, at_user_move};
      keeper.RollBack(quit->members);
    };
    view.on_result = [&] {
      ++where.results;
      where.waits_this_hand = 0;
      take(false);
    };
    view.on_pause = [&] {
      where.pausing = true;
      take(false);
      where.pausing = false;
    };
    if (!user_to_move) engine.PlayTurn();
    for (int moves = 0; s.table.AwaitingUser && moves < 2000; ++moves) {
      ++where.waits;
      ++where.waits_this_hand;
      take(true);
      s.table.UserPick = testing::TableUserMove(s);
      engine.PlayTurn();
    }
    return quit;
  }

  GameState s;
  StandardRandom random;
  test::StoppedClock clock;
  ResultView view;
  testing::MemberFilesRecord files;
  MatchKeeper keeper;
  Engine engine;
};

TEST(MatchKeeper, AMatchQuitAndTakenUpAgainCountsEveryHandOnce) {
  test::TempDir dir;
  const ProgramPaths paths{dir.path(), dir.path(), dir.path()};
  Table through(NewMatch(), paths);
  through.Play(false, [](const Where&) { return false; });
  ASSERT_EQ(through.s.table.HandNumber, kHands);

  struct QuitPoint {
    const char* name;
    std::function<bool(const Where&)> here;
  };
  const QuitPoint points[] = {
      {"the first wait for the user", [](const Where& w) { return w.waits == 1; }},
      {"a wait in the first hand", [](const Where& w) { return w.results == 0 && w.waits == 4; }},
      {"a pause in the first hand", [](const Where& w) { return w.waits == 2 && w.pausing; }},
      {"the first hand's result", [](const Where& w) { return w.results == 1; }},
      // The new hand is counted in the records already, and not kept yet.
      {"a pause before the user's first move of the second hand",
       [](const Where& w) { return w.results == 1 && w.pausing && w.waits_this_hand == 0; }},
      {"the first wait of the second hand", [](const Where& w) { return w.results == 1 && w.waits_this_hand == 1; }},
      {"a wait in the last hand", [](const Where& w) { return w.results == kHands - 1 && w.waits_this_hand == 2; }},
  };
  for (const QuitPoint& point : points) {
    SCOPED_TRACE(point.name);
    Table first(NewMatch(), paths);
    std::optional<Quit> quit = first.Play(false, point.here);
    ASSERT_TRUE(quit) << "the match never came to this point";

    // The next start: the members as the quit wrote them, the match as kept.
    GameState again = NewMatch();
    again.members = quit->members;
    Table resumed(again, paths);
    ApplyKeptMatch(quit->kept, resumed.s, resumed.random);
    resumed.Play(quit->user_to_move, [](const Where&) { return false; });

    EXPECT_EQ(resumed.s.table.HandNumber, kHands);
    EXPECT_EQ(resumed.s.match.Score, through.s.match.Score);
    EXPECT_EQ(resumed.s.members.MemberStats, through.s.members.MemberStats);
    EXPECT_EQ(resumed.s.members.MemberPoints, through.s.members.MemberPoints);
  }
}

TEST(MatchKeeper, KeepsNothingBeforeTheFirstDealOrOnceTheLastHandIsScored) {
  test::TempDir dir;
  const ProgramPaths paths{dir.path(), dir.path(), dir.path()};
  Table table(NewMatch(), paths);
  std::vector<bool> kept_at_results;
  table.view.on_result = [&] { kept_at_results.push_back(table.keeper.kept().has_value()); };
  EXPECT_FALSE(table.keeper.kept());
  table.engine.PlayTurn();
  for (int moves = 0; table.s.table.AwaitingUser && moves < 2000; ++moves) {
    table.s.table.UserPick = testing::TableUserMove(table.s);
    table.engine.PlayTurn();
  }
  EXPECT_EQ(kept_at_results, (std::vector<bool>{true, true, false}));
  // Ended after the match, the program leaves no kept match behind.
  ASSERT_TRUE(WriteKeptMatch(paths, TakeKeptMatch(NewMatch(), table.random)));
  EXPECT_TRUE(table.keeper.KeepAtEnd());
  EXPECT_FALSE(ReadKeptMatchFile(paths));
}

}  // namespace
}  // namespace winpiruk

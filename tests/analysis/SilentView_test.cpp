// The headless view counts what the table shows it: turns, discards and
// discards that a seat could have called but was not asked to.
#include "analysis/SilentView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "scoring/HandResult.h"
#include "state/Cards.h"
#include "state/RuleLimits.h"

namespace winpiruk::analysis {
namespace {

constexpr int16_t S(int rank) { return static_cast<int16_t>(13 + rank); }
constexpr int16_t H(int rank) { return static_cast<int16_t>(rank); }

bool Noted(const SilentView& view, const std::string& words) {
  return std::any_of(view.failure_notes.begin(), view.failure_notes.end(),
                     [&](const std::string& note) { return note.find(words) != std::string::npos; });
}

// Seat 2 has just discarded the 7 of spades; seat 1 holds 3 + 4.
struct AfterADiscard {
  AfterADiscard() {
    for (auto& row : state.table.Hands) row.fill(0);
    state.table.Hands[0] = {1, H(9)};
    state.table.Hands[1] = {2, H(3), S(4)};
    state.table.Hands[2] = {1, S(9)};
    state.table.Hands[3] = {1, H(10)};
    for (auto& row : state.table.Hands) RecomputeCallNumbers(row);
    state.table.TopDiscard = S(7);
  }
  // The view saw the table once before the discard and once after it.
  void ShowTheDiscardBy(int seat) {
    state.table.DiscardIndex = 5;
    view.ShowHand(seat);
    state.table.DiscardIndex = 6;
    view.ShowHand(seat);
  }
  GameState state;
  SilentView view{state, 1};
};

TEST(SilentView, ADiscardNobodyWasAskedToCallIsNoted) {
  struct Case {
    const char* name;
    std::function<void(AfterADiscard&)> setup;
    int discarder;
    bool noted;
  };
  const std::vector<Case> cases = {
      {"another seat makes it", {}, 2, true},
      {"only the discarder's own row makes it", [](AfterADiscard& t) { std::swap(t.state.table.Hands[1], t.state.table.Hands[2]); },
       2, false},
      {"nobody makes it", [](AfterADiscard& t) { t.state.table.TopDiscard = S(13); }, 2, false},
      {"no calls are played", [](AfterADiscard& t) { t.state.settings.FinishMeans = kFinishDiscardOnly; }, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AfterADiscard t;
    if (c.setup) c.setup(t);
    t.ShowTheDiscardBy(c.discarder);
    EXPECT_EQ(Noted(t.view, "was not offered the call"), c.noted);
  }
  // Seen again with no card discarded in between, the table is not a new discard.
  AfterADiscard again;
  again.state.table.DiscardIndex = 6;
  again.view.ShowHand(2);
  again.view.ShowHand(2);
  EXPECT_FALSE(Noted(again.view, "was not offered the call"));
}

// The report keeps the first ten faults, each named by the hand it was in.
TEST(SilentView, TheFirstTenFaultsAreNotedByTheirHand) {
  AfterADiscard t;
  for (int discard = 0; discard < 12; ++discard) t.ShowTheDiscardBy(2);
  EXPECT_GE(t.view.invariant_failures, 12);
  ASSERT_EQ(t.view.failure_notes.size(), 10u);
  EXPECT_EQ(t.view.failure_notes.front().rfind("hand 1: ", 0), 0u) << t.view.failure_notes.front();
}

// What one hand shows, and the turns and discards it adds up to.
struct Shown {
  enum Kind { Arrow, PileCard, OtherCard, DrawAnimation };
  Kind kind;
  int value;  // a seat or a card
};

TEST(SilentView, TurnsAndDiscardsAreCountedAsTheTableShowsThem) {
  struct Case {
    const char* name;
    std::vector<Shown> shown;
    long long turns;
    long long sevens_discarded;
  };
  using K = Shown::Kind;
  const std::vector<Case> cases = {
      {"the deal's cards on the pile before the first turn", {{K::PileCard, H(7)}, {K::Arrow, 1}, {K::PileCard, S(7)}}, 1, 1},
      {"the arrow shown twice at the first seat", {{K::Arrow, 1}, {K::Arrow, 1}}, 1, 0},
      {"a seat again after its discard", {{K::Arrow, 1}, {K::PileCard, S(7)}, {K::Arrow, 1}}, 2, 1},
      {"a seat again after its draw", {{K::Arrow, 1}, {K::DrawAnimation, 0}, {K::Arrow, 1}}, 2, 0},
      {"three seats in turn", {{K::Arrow, 1}, {K::Arrow, 2}, {K::Arrow, 3}}, 3, 0},
      {"a card shown elsewhere", {{K::Arrow, 1}, {K::OtherCard, S(7)}, {K::Arrow, 1}}, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameState state;
    SilentView view(state, 1);
    for (const Shown& s : c.shown) {
      switch (s.kind) {
        case K::Arrow: view.ShowArrow(s.value); break;
        case K::PileCard: view.ShowCard(kPosDiscardPile, s.value); break;
        case K::OtherCard: view.ShowCard(kPosDrawPile, s.value); break;
        case K::DrawAnimation: view.ShowDrawAnimation(); break;
      }
    }
    view.ShowHandResult(HandResultView{});
    EXPECT_EQ(view.figures.turns, c.turns);
    EXPECT_EQ(view.figures.discards_by_rank[7], c.sevens_discarded);
    EXPECT_EQ(view.figures.hands, 1);
  }
}

}  // namespace
}  // namespace winpiruk::analysis

#include "members/MemberDecision.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/RecordingView.h"
#include "support/Rows.h"

namespace winpiruk {
namespace {

// Plays back the given uniform values in order, then repeats the last one.
class Scripted final : public RandomSource {
 public:
  explicit Scripted(std::vector<float> values) : values_(std::move(values)) {}
  float Next() override { return values_[next_ < values_.size() - 1 ? next_++ : next_]; }
  void Seed(int32_t) override {}

 private:
  std::vector<float> values_;
  size_t next_ = 0;
};

// The uniform value that makes RandomBelow(k) come out as i.
float Pick(int i, int k) { return (static_cast<float>(i) + 0.5F) / static_cast<float>(k); }

// Ten swaps of a (1..2) with b (3..4) for the dealer draw, or of a (1..2)
// with b (2..3) for the seating: each pair is given as the two offsets.
std::vector<float> SwapScript(const std::vector<std::pair<int, int>>& swaps) {
  std::vector<float> values;
  for (const auto& [a, b] : swaps) {
    values.push_back(Pick(a, 2));
    values.push_back(Pick(b, 2));
  }
  return values;
}

GameState StateWithMembers() {
  GameState state;
  for (int g = 1; g <= kGroups; ++g) {
    for (int m = 1; m <= kMembersPerGroup; ++m) {
      state.members.MemberName[g][m] = "No." + std::to_string(10 * g + m - 1);
      state.members.MemberBoldness[g][m] = static_cast<int16_t>(m % 10);
      state.members.MemberDeduction[g][m] = static_cast<int16_t>((m + 5) % 10);
      state.members.MemberPoints[g][m] = 1000;
    }
  }
  state.members.MemberName[1][1] = "Player";
  return state;
}

TEST(MemberDecision, SeatingOutsideTheSeatsOrTheGroupChangesNothing) {
  GameState state = StateWithMembers();
  const MatchState before = state.match;
  for (const auto& [seat, member] : std::vector<std::pair<int, int16_t>>{{0, 2}, {4, 2}, {1, 0}, {1, 11}, {-1, 3}}) {
    SeatOpponent(state, seat, member);
    EXPECT_EQ(state.match.SeatMember, before.SeatMember) << seat << "/" << member;
    EXPECT_EQ(state.match.SeatName, before.SeatName) << seat << "/" << member;
  }
  SeatOpponent(state, 3, 10);
  EXPECT_EQ(state.match.SeatMember[3], 10);
}

TEST(MemberDecision, RandomBelowTakesTheIntegerPartAndStaysInRange) {
  struct Case {
    float u;
    int k, expected;
  };
  const Case cases[] = {{0.0F, 4, 0}, {0.2499F, 4, 0}, {0.25F, 4, 1}, {0.999F, 4, 3},
                        {1.0F, 4, 3}, {-0.5F, 4, 0}, {0.7F, 1, 0},  {0.5F, 10, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    Scripted random({c.u});
    EXPECT_EQ(RandomBelow(random, c.k), c.expected) << c.u << " × " << c.k;
  }
}

TEST(MemberDecision, MemberListOffersEveryoneButTheUser) {
  struct Case {
    int16_t setting_group;
    int16_t expected_group;
    size_t rows;
    int16_t first_member;
  };
  const Case cases[] = {{1, 1, 9, 2}, {2, 2, 10, 1}, {5, 5, 10, 1}, {0, 1, 9, 2}, {7, 1, 9, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    GameState state = StateWithMembers();
    state.settings.MemberGroup = c.setting_group;
    const auto rows = LoadMemberList(state);
    EXPECT_EQ(state.seating.CurrentGroup, c.expected_group) << c.setting_group;
    EXPECT_EQ(state.match.SeatMember[0], c.expected_group);
    ASSERT_EQ(rows.size(), c.rows) << c.setting_group;
    EXPECT_EQ(rows.front().member, c.first_member);
    EXPECT_EQ(rows.back().member, 10);
    EXPECT_EQ(state.seating.GroupMemberName[4], state.members.MemberName[c.expected_group][4]);
  }
}

TEST(MemberDecision, RowTextShowsPointsThenTwoTabsThenTheName) {
  EXPECT_EQ(MemberRowText(1000, "No.11"), " 1000点\t\tNo.11");
  EXPECT_EQ(MemberRowText(0, "Zero"), " 0点\t\tZero");
  EXPECT_EQ(MemberRowText(-50, "Debt"), "-50点\t\tDebt");
}

TEST(MemberDecision, EligibilityExcludesTheUserAndMembersBelowOnePoint) {
  GameState state = StateWithMembers();
  state.members.MemberPoints[2][3] = 0;
  state.members.MemberPoints[2][4] = -20;
  state.members.MemberPoints[2][5] = 1;
  // Points where no member is: the numbers outside the groups still count for nothing.
  state.members.MemberPoints[0][2] = 500;
  state.members.MemberPoints[2][0] = 500;
  struct Case {
    int group, member;
    bool eligible;
  };
  const Case cases[] = {{1, 1, false}, {1, 2, true},  {2, 1, true},  {2, 3, false}, {2, 4, false},
                        {2, 5, true},  {0, 2, false}, {6, 2, false}, {2, 11, false}, {2, 0, false},
                        {5, 10, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    EXPECT_EQ(IsEligibleOpponent(state, c.group, c.member), c.eligible) << c.group << "/" << c.member;
  }
}

TEST(MemberDecision, PicksTakeTheFirstThreeEligibleSelectedRows) {
  GameState state = StateWithMembers();
  state.members.MemberPoints[1][3] = 0;
  LoadMemberList(state);
  struct Case {
    std::vector<int16_t> selected, picks;
  };
  const Case cases[] = {
      {{}, {}},
      {{2}, {2}},
      {{2, 3, 4}, {2, 4}},
      {{2, 3, 4, 5, 6}, {2, 4, 5}},
      {{1, 7, 8, 9, 10}, {7, 8, 9}},
  };
  for (const auto& c : cases) EXPECT_EQ(PicksFromSelection(state, c.selected), c.picks) << test::RowOf(cases, c);
}

TEST(MemberDecision, PicksAreSeatedInShuffledOrder) {
  struct Case {
    std::vector<std::pair<int, int>> swaps;
    std::array<int16_t, 4> order;
  };
  const std::vector<std::pair<int, int>> no_op(9, {1, 0});  // order(2) with order(2)
  auto with_first = [&](std::pair<int, int> first) {
    std::vector<std::pair<int, int>> swaps{first};
    swaps.insert(swaps.end(), no_op.begin(), no_op.end());
    return swaps;
  };
  const Case cases[] = {
      {with_first({1, 0}), {0, 1, 2, 3}},
      {with_first({0, 0}), {0, 2, 1, 3}},
      {with_first({0, 1}), {0, 3, 2, 1}},
      {with_first({1, 1}), {0, 1, 3, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    GameState state = StateWithMembers();
    LoadMemberList(state);
    Scripted random(SwapScript(c.swaps));
    const auto order = SeatPicks(state, {4, 7, 9}, random);
    EXPECT_EQ(order, c.order);
    const int16_t picks[] = {4, 7, 9};
    for (int j = 1; j <= 3; ++j) {
      const auto seat = static_cast<size_t>(c.order[j]);
      EXPECT_EQ(state.match.SeatMember[seat], picks[j - 1]);
      EXPECT_EQ(state.match.SeatName[seat], state.members.MemberName[1][picks[j - 1]]);
      EXPECT_EQ(state.match.Boldness[seat], state.members.MemberBoldness[1][picks[j - 1]]);
      EXPECT_EQ(state.match.Deduction[seat], state.members.MemberDeduction[1][picks[j - 1]]);
    }
  }
}

TEST(MemberDecision, RandomChoiceSeatsTheFirstThreeEligibleAndDrawsTheDealer) {
  struct Case {
    int16_t group;
    std::vector<int> zero_points;
    float first_a, first_b;  // the first of the thirty swaps; the others cancel out
    float dealer_u;
    std::array<int16_t, 3> seated;
    int16_t dealer;
  };
  const Case cases[] = {
      // Thirty swaps of positions 0 and 5 leave the list as it was.
      {1, {}, 0.0F, 0.0F, 0.0F, {2, 3, 4}, 0},
      {2, {}, 0.0F, 0.0F, 0.3F, {1, 2, 3}, 1},
      {1, {2, 3}, 0.0F, 0.0F, 0.6F, {4, 5, 6}, 2},
      {3, {1, 2, 3, 4, 5, 6, 7}, 0.0F, 0.0F, 0.9F, {8, 9, 10}, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    GameState state = StateWithMembers();
    state.settings.MemberGroup = c.group;
    for (int m : c.zero_points) state.members.MemberPoints[c.group][m] = 0;
    LoadMemberList(state);
    std::vector<float> script{c.first_a, c.first_b};
    script.resize(60, 0.0F);
    script.push_back(c.dealer_u);
    std::string dealer_name;
    Scripted random(script);
    ASSERT_TRUE(ChooseMembersAtRandom(state, random, dealer_name));
    for (int seat = 1; seat <= 3; ++seat) {
      EXPECT_EQ(state.match.SeatMember[seat], c.seated[seat - 1]) << "group " << c.group << " seat " << seat;
      EXPECT_EQ(state.match.SeatName[seat], state.members.MemberName[c.group][c.seated[seat - 1]]);
    }
    EXPECT_EQ(state.table.Dealer, c.dealer);
    EXPECT_EQ(state.seating.Phase, kDealerDecided);
    EXPECT_EQ(dealer_name, c.dealer == 0 ? "Player" : state.match.SeatName[c.dealer]);
  }
}

TEST(MemberDecision, RandomChoiceSwapsBetweenTheTwoHalves) {
  GameState state = StateWithMembers();
  LoadMemberList(state);
  // Position 0 (member 1) with position 9 (member 10), then 29 swaps that
  // are undone in pairs except the last, which swaps positions 1 and 5.
  std::vector<float> script{Pick(0, 5), Pick(4, 5)};
  for (int i = 0; i < 28; ++i) script.insert(script.end(), {Pick(2, 5), Pick(2, 5)});
  script.insert(script.end(), {Pick(1, 5), Pick(0, 5)});
  script.push_back(0.0F);
  std::string dealer_name;
  Scripted random(script);
  ASSERT_TRUE(ChooseMembersAtRandom(state, random, dealer_name));
  // List: 10, 6, 3, 4, 5, 2, 7, 8, 9, 1.
  EXPECT_EQ(state.match.SeatMember[1], 10);
  EXPECT_EQ(state.match.SeatMember[2], 6);
  EXPECT_EQ(state.match.SeatMember[3], 3);
}

TEST(MemberDecision, RandomChoiceNeedsThreeEligibleMembers) {
  GameState state = StateWithMembers();
  state.settings.MemberGroup = 1;
  for (int m = 2; m <= 9; ++m) state.members.MemberPoints[1][m] = 0;
  state.members.MemberPoints[1][1] = 1000;  // the user never counts
  LoadMemberList(state);
  state.match.SeatMember = {1, 5, 6, 7};
  state.table.Dealer = 2;
  std::string dealer_name = "unchanged";
  Scripted random({0.5F});
  EXPECT_FALSE(ChooseMembersAtRandom(state, random, dealer_name));
  EXPECT_EQ(state.match.SeatMember, (std::array<int16_t, 4>{1, 5, 6, 7}));
  EXPECT_EQ(state.table.Dealer, 2);
  EXPECT_EQ(state.seating.Phase, kChoosingMembers);
  EXPECT_EQ(dealer_name, "unchanged");
}

TEST(MemberDecision, RandomDealerMessageDropsTrailingBlanks) {
  EXPECT_EQ(RandomDealerMessage("Taro   "), " 親は Taro です.");
  EXPECT_EQ(RandomDealerMessage(" Ai"), " 親は  Ai です.");
}

TEST(MemberDecision, DrawPromptHasOneDotPerPositionUpToTheAce) {
  struct Case {
    std::vector<std::pair<int, int>> first_swaps;  // then (1,3) repeated, which cancels in pairs
    std::array<int16_t, 5> cards;
  };
  const Case cases[] = {
      {{{0, 0}, {0, 0}}, {0, 1, 2, 3, 4}},
      {{{0, 0}, {1, 0}}, {0, 3, 1, 2, 4}},
      {{{0, 0}, {1, 1}}, {0, 3, 4, 1, 2}},
      {{{0, 1}, {1, 0}}, {0, 4, 3, 2, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    auto swaps = c.first_swaps;
    swaps.resize(10, {0, 0});
    DealerDraw draw;
    Scripted random(SwapScript(swaps));
    ShuffleDrawCards(draw, random);
    EXPECT_EQ(draw.DrawCards, c.cards);
    EXPECT_EQ(draw.DrawTaken, (std::array<int16_t, 5>{}));
    const int ace = AcePosition(draw);
    EXPECT_EQ(c.cards[ace], 1);
    EXPECT_EQ(DrawPrompt(draw), " 親を決めます、カードを選んでください" + std::string(ace, '.'));
  }
}

TEST(MemberDecision, TheSeatThatDrawsTheAceDeals) {
  for (int ace_drawer = 0; ace_drawer < 4; ++ace_drawer) {
    GameState state = StateWithMembers();
    LoadMemberList(state);
    state.match.SeatName = {"", "Left  ", "Top", "Right "};
    state.seating.Phase = kUserToDraw;
    state.table.Dealer = 9;
    DealerDraw draw;
    // The seats draw positions 1, 2, 3, 4 in turn; the ace lies where
    // `ace_drawer` will draw.
    draw.DrawCards = {0, 1, 2, 3, 4};
    std::swap(draw.DrawCards[1], draw.DrawCards[ace_drawer + 1]);

    const std::string expected_messages[] = {" Left が引きます.", " Top が引きます.", " Right が引きます."};
    for (int seat = 0; seat < 4; ++seat) {
      const Reveal reveal = RevealPosition(state, draw, seat + 1);
      ASSERT_TRUE(reveal.revealed);
      EXPECT_EQ(reveal.seat, seat);
      EXPECT_EQ(reveal.face, draw.DrawCards[seat + 1]);
      EXPECT_EQ(draw.DrawCount, seat + 2);
      EXPECT_EQ(state.seating.Phase, kComputersDrawing);
      if (seat < 3) {
        EXPECT_EQ(reveal.message, expected_messages[seat]);
      }
    }
    const std::string names[] = {"Player", "Left", "Top", "Right"};
    EXPECT_EQ(state.table.Dealer, ace_drawer);
    EXPECT_EQ(TrimTrailingBlanks(draw.DealerName), names[ace_drawer]);
    EXPECT_EQ(RevealPosition(state, draw, 1).revealed, false);
  }
}

TEST(MemberDecision, FinalMessageNamesTheDealer) {
  GameState state = StateWithMembers();
  state.match.SeatName = {"", "A", "B", "Carol  "};
  DealerDraw draw;
  draw.DrawCards = {0, 2, 3, 4, 1};
  for (int k = 1; k <= 3; ++k) RevealPosition(state, draw, k);
  EXPECT_EQ(RevealPosition(state, draw, 4).message, " 親は Carol に決まりました.");
}

TEST(MemberDecision, RevealIgnoresTakenAndOutOfRangePositions) {
  GameState state = StateWithMembers();
  state.match.SeatName = {"", "A", "B", "C"};
  DealerDraw draw;
  draw.DrawCards = {0, 1, 2, 3, 4};
  for (int bad : {0, 5, -1}) EXPECT_FALSE(RevealPosition(state, draw, bad).revealed);
  EXPECT_TRUE(RevealPosition(state, draw, 2).revealed);
  EXPECT_FALSE(RevealPosition(state, draw, 2).revealed);
  EXPECT_EQ(draw.DrawCount, 2);
}

TEST(MemberDecision, ComputerDrawsAgainWhileThePositionIsTaken) {
  DealerDraw draw;
  draw.DrawTaken = {0, 1, 1, 0, 0};
  struct Case {
    std::vector<float> script;
    int position;
  };
  const Case cases[] = {
      {{Pick(0, 4), Pick(1, 4), Pick(0, 4), Pick(3, 4)}, 4},
      {{Pick(2, 4)}, 3},
      // A generator stuck on a taken position still ends.
      {{Pick(1, 4)}, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::RowOf(cases, c));
    Scripted random(c.script);
    EXPECT_EQ(ComputerDrawPosition(draw, random), c.position);
  }
  // With every position taken there is nothing to draw for: the window's
  // random source is left as it was.
  draw.DrawTaken = {0, 1, 1, 1, 1};
  testing::CountingRandom random;
  EXPECT_EQ(ComputerDrawPosition(draw, random), 0);
  EXPECT_EQ(random.taken, 0u);
}

TEST(MemberDecision, StartingAMatchClearsTheLog) {
  GameState state = StateWithMembers();
  for (int i = 1; i <= 10; ++i) {
    state.match.HandLogPoints[i] = static_cast<int16_t>(i * 10);
    state.match.HandLogText[i] = "あがり";
  }
  StartMatch(state, 45296);
  EXPECT_TRUE(state.match.MatchInProgress);
  EXPECT_EQ(state.match.MatchStartTime, 45296);
  EXPECT_EQ(state.match.SeatName[0], "Player");
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(state.match.HandLogPoints[i], 0);
    EXPECT_TRUE(state.match.HandLogText[i].empty());
  }
}

TEST(MemberDecision, OpeningSeedIsMinutesTimesSeconds) {
  EXPECT_EQ(OpeningSeed(TimeOfDay{2026, 8, 12, 34}), 408);
  EXPECT_EQ(OpeningSeed(TimeOfDay{2026, 23, 59, 0}), 0);
}

}  // namespace
}  // namespace winpiruk

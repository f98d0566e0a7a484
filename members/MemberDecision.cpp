#include "members/MemberDecision.h"

#include <algorithm>
#include <utility>

#include "config/NumberText.h"
#include "scoring/MemberFiles.h"
#include "state/RuleLimits.h"
#include "state/Translation.h"

namespace winpiruk {
namespace {

constexpr int kUserGroup = 1;
constexpr int kUserMember = 1;
constexpr int kRandomChoiceSwaps = 30;
constexpr int kSeatSwaps = 10;
constexpr int kDrawSwaps = 10;

bool ValidMember(int group, int member) {
  return group >= 1 && group <= kGroups && member >= 1 && member <= kMembersPerGroup;
}

int GroupInUse(const GameState& state) {
  return InRangeOr(state.seating.CurrentGroup, 1, kGroups, 1);
}

std::string SeatNameForMessage(const GameState& state, int seat) {
  return TrimTrailingBlanks(state.match.SeatName[static_cast<size_t>(seat)]);
}

}  // namespace

std::string MemberRowText(int16_t points, const std::string& name) {
  return Fill(Tr("MemberDecision", "%1点\t\t%2"), {NumberText(points), name});
}

std::vector<MemberRow> LoadMemberList(GameState& state) {
  state.seating.CurrentGroup = static_cast<int16_t>(GroupToPlay(state));
  state.match.SeatMember[0] = state.seating.CurrentGroup;
  const int group = state.seating.CurrentGroup;
  std::vector<MemberRow> rows;
  for (int m = 1; m <= kMembersPerGroup; ++m) {
    state.seating.GroupMemberName[m] = state.members.MemberName[group][m];
    state.seating.GroupMemberBoldness[m] = state.members.MemberBoldness[group][m];
    state.seating.GroupMemberDeduction[m] = state.members.MemberDeduction[group][m];
    if (group == kUserGroup && m == kUserMember) continue;
    rows.push_back(
        MemberRow{static_cast<int16_t>(m), MemberRowText(state.members.MemberPoints[group][m], state.seating.GroupMemberName[m])});
  }
  return rows;
}

bool IsEligibleOpponent(const GameState& state, int group, int member) {
  if (!ValidMember(group, member)) return false;
  if (group == kUserGroup && member == kUserMember) return false;
  return state.members.MemberPoints[group][member] >= 1;
}

std::vector<int16_t> PicksFromSelection(const GameState& state, const std::vector<int16_t>& selected_members) {
  std::vector<int16_t> picks;
  const int group = GroupInUse(state);
  for (const int16_t member : selected_members) {
    if (picks.size() == kOpponents) break;
    if (IsEligibleOpponent(state, group, member)) picks.push_back(member);
  }
  return picks;
}

std::array<int16_t, kOpponents + 1> ShuffledSeatOrder(RandomSource& random) {
  std::array<int16_t, kOpponents + 1> order{0, 1, 2, 3};
  for (int i = 0; i < kSeatSwaps; ++i) {
    const int a = 1 + RandomBelow(random, 2);
    const int b = 2 + RandomBelow(random, 2);
    std::swap(order[a], order[b]);
  }
  return order;
}

void SeatOpponent(GameState& state, int seat, int16_t member) {
  if (seat < 1 || seat > kOpponents || member < 1 || member > kMembersPerGroup) return;
  const auto s = static_cast<size_t>(seat);
  state.match.SeatMember[s] = member;
  state.match.SeatName[s] = state.seating.GroupMemberName[member];
  state.match.Boldness[s] = state.seating.GroupMemberBoldness[member];
  state.match.Deduction[s] = state.seating.GroupMemberDeduction[member];
}

std::array<int16_t, kOpponents + 1> SeatPicks(GameState& state, const std::array<int16_t, kOpponents>& picks,
                                              RandomSource& random) {
  const auto order = ShuffledSeatOrder(random);
  for (int j = 1; j <= kOpponents; ++j) SeatOpponent(state, order[j], picks[j - 1]);
  return order;
}

std::string UserName(const GameState& state) { return state.members.MemberName[kUserGroup][kUserMember]; }

std::string TrimTrailingBlanks(const std::string& text) {
  const size_t end = text.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool ChooseMembersAtRandom(GameState& state, RandomSource& random, std::string& dealer_name) {
  std::array<int16_t, kMembersPerGroup> candidates{};
  for (int i = 0; i < kMembersPerGroup; ++i) candidates[i] = static_cast<int16_t>(i + 1);
  for (int i = 0; i < kRandomChoiceSwaps; ++i) {
    const int a = RandomBelow(random, 5);
    const int b = 5 + RandomBelow(random, 5);
    std::swap(candidates[a], candidates[b]);
  }
  const int group = GroupInUse(state);
  std::vector<int16_t> chosen;
  for (const int16_t member : candidates) {
    if (IsEligibleOpponent(state, group, member) && chosen.size() < kOpponents) chosen.push_back(member);
  }
  if (chosen.size() < kOpponents) return false;

  for (int seat = 1; seat <= kOpponents; ++seat) SeatOpponent(state, seat, chosen[seat - 1]);
  state.table.Dealer = static_cast<int16_t>(RandomBelow(random, kSeats));
  dealer_name = state.table.Dealer == 0 ? UserName(state) : state.match.SeatName[static_cast<size_t>(state.table.Dealer)];
  state.seating.Phase = kDealerDecided;
  return true;
}

std::string RandomDealerMessage(const std::string& dealer_name) {
  return Fill(Tr("MemberDecision", " 親は %1 です."), {TrimTrailingBlanks(dealer_name)});
}

std::string PicksMissingMessage(int still_to_pick) {
  return Fill(Tr("MemberDecision", " 対戦メンバーをあと %1 人選んでください."), {std::to_string(still_to_pick)});
}

std::string PickReplacedMessage(const std::string& picked, const std::string& dropped) {
  return Fill(Tr("MemberDecision", " %1 を選んだので %2 を外しました (対戦メンバーは3人まで)."),
              {TrimTrailingBlanks(picked), TrimTrailingBlanks(dropped)});
}

std::string TooManyPicksMessage() {
  return Tr("MemberDecision", " 対戦メンバーは3人までです. 入れ替えるときは先に誰かを外してください.");
}

void ShuffleDrawCards(DealerDraw& draw, RandomSource& random) {
  for (int k = 1; k <= kDrawPositions; ++k) {
    draw.DrawCards[k] = static_cast<int16_t>(k);
    draw.DrawTaken[k] = 0;
  }
  for (int i = 0; i < kDrawSwaps; ++i) {
    const int a = 1 + RandomBelow(random, 2);
    const int b = 3 + RandomBelow(random, 2);
    std::swap(draw.DrawCards[a], draw.DrawCards[b]);
  }
}

int AcePosition(const DealerDraw& draw) {
  for (int k = 1; k <= kDrawPositions; ++k) {
    if (draw.DrawCards[k] == 1) return k;
  }
  return 0;
}

std::string DrawPrompt(const DealerDraw& draw) {
  return Tr("MemberDecision", " 親を決めます、カードを選んでください") + std::string(static_cast<size_t>(AcePosition(draw)), '.');
}

Reveal RevealPosition(GameState& state, DealerDraw& draw, int position) {
  Reveal reveal;
  if (position < 1 || position > kDrawPositions || draw.DrawTaken[position] != 0) return reveal;
  if (draw.DrawCount < 1 || draw.DrawCount > kDrawPositions) return reveal;

  reveal.revealed = true;
  reveal.face = draw.DrawCards[position];
  reveal.seat = draw.DrawCount - 1;  // the user draws first, then seats 1, 2, 3
  draw.DrawTaken[position] = 1;
  draw.DrawCount = static_cast<int16_t>(draw.DrawCount + 1);

  if (reveal.face == 1) {
    state.table.Dealer = static_cast<int16_t>(reveal.seat);
    draw.DealerName = reveal.seat == 0 ? UserName(state) : state.match.SeatName[static_cast<size_t>(reveal.seat)];
  }
  if (reveal.seat == 0) state.seating.Phase = kComputersDrawing;
  if (reveal.seat < kOpponents) {
    reveal.message = Fill(Tr("MemberDecision", " %1 が引きます."), {SeatNameForMessage(state, reveal.seat + 1)});
  } else {
    reveal.message = Fill(Tr("MemberDecision", " 親は %1 に決まりました."), {TrimTrailingBlanks(draw.DealerName)});
  }
  return reveal;
}

int ComputerDrawPosition(const DealerDraw& draw, RandomSource& random) {
  const bool any_left = std::any_of(draw.DrawTaken.begin() + 1, draw.DrawTaken.end(), [](int16_t t) { return t == 0; });
  if (!any_left) return 0;
  // A sound generator finds a free position within a few tries; a broken
  // one must not hang the window, so after many tries the first free one
  // is taken.
  constexpr int kTries = 1000;
  for (int i = 0; i < kTries; ++i) {
    const int k = 1 + RandomBelow(random, kDrawPositions);
    if (draw.DrawTaken[k] == 0) return k;
  }
  for (int k = 1; k <= kDrawPositions; ++k) {
    if (draw.DrawTaken[k] == 0) return k;
  }
  return 0;
}

void StartMatch(GameState& state, int32_t seconds_since_midnight) {
  state.match.MatchInProgress = true;
  for (int i = 1; i <= kMaxHandsPerMatch; ++i) {
    state.match.HandLogPoints[i] = 0;
    state.match.HandLogText[i].clear();
  }
  state.match.SeatName[0] = UserName(state);
  state.match.MatchStartTime = seconds_since_midnight;
}

}  // namespace winpiruk

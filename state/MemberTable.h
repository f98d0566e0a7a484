#pragma once
// The permanent table of fifty members: five groups of ten, the user being
// member 1 of group 1.
#include <array>
#include <cstdint>
#include <string>

namespace winpiruk {

constexpr int kGroups = 5;
constexpr int kMembersPerGroup = 10;

// Indexes of the twelve statistics counters of a member.
enum MemberStat : int {
  HandsPlayed = 0,
  Wins = 1,
  InitialMatches = 2,
  DealIns = 3,
  CardOvers = 4,
  YakuTotal = 5,
  WinNumberTotal = 6,
  PointsWon = 7,
  PointsLost = 8,
  RankTotal = 9,
  GamesPlayed = 10,
  CounterCalls = 11,
};
constexpr int kMemberStats = 12;

// Indexed [group][member] with groups 1..5 and members 1..10; index 0 of
// either exists and is not used.
template <typename T>
using PerMember = std::array<std::array<T, kMembersPerGroup + 1>, kGroups + 1>;

struct MemberTable {
  // No braces here: clang 14 crashes on a braced nested array of strings.
  PerMember<std::string> MemberName;
  PerMember<int16_t> MemberBoldness{};
  PerMember<int16_t> MemberDeduction{};
  PerMember<int16_t> MemberPoints{};
  PerMember<std::array<int16_t, kMemberStats>> MemberStats{};
};

}  // namespace winpiruk

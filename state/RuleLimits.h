#pragma once
// A settings file may hold any value; the record keeps it as read. Whatever
// uses a value as a count, an index or a duration asks here first, so that a
// value out of range behaves as the rule settings window would repair it.
#include "state/Settings.h"

namespace winpiruk {

// The values a field accepts and the one that stands in for anything else.
struct RuleRange {
  int low;
  int high;
  int repair;
  constexpr bool Holds(int value) const { return value >= low && value <= high; }
};

constexpr RuleRange kCardRankRange{0, 13, 0};  // 0 = no card; a bad rank keeps its earlier value
constexpr RuleRange kPenaltyLeavesRange{1, 5, 2};
constexpr RuleRange kNumberOfGamesRange{1, 10, 8};
constexpr RuleRange kJudgmentWaitTimeRange{5, 50, 10};
constexpr RuleRange kRestrictTimeRange{0, 3, 0};
constexpr RuleRange kFinishMeansRange{0, 4, 0};
constexpr RuleRange kYakitoriModeRange{0, 4, 0};
constexpr RuleRange kGameSpeedRange{0, 3, 0};
constexpr RuleRange kMemberGroupRange{1, 5, 1};
constexpr RuleRange kCardKindRange{0, 9, 0};
constexpr RuleRange kCardPosRange{-999, 999, 0};

// The ways a hand may be won (`FinishMeans`); a value outside them is kept
// as read and matches none of them.
enum FinishMeansRule : int16_t {
  kFinishNormal = 0,
  kFinishNoInitialMatch = 1,
  kFinishDiscardAllowed = 2,  // a last card that matches may go out
  kFinishDiscardOnly = 3,     // only that way: no calls, no initial match
  kFinishProductAllowed = 4,  // a hand's product makes the number too
};

// After a throw-more card (`MoreDropCardMode`): whether the seat may stop or
// must discard once more; any value but 0 is read as a must.
enum MoreDropRule : int16_t {
  kMoreDropMay = 0,   // "さらに捨てる？": the draw pile ends the turn
  kMoreDropMust = 1,  // "もう一枚捨てて"
};

constexpr bool MustDiscardAgain(const Settings& s) { return s.MoreDropCardMode != kMoreDropMay; }

constexpr bool DiscardFinishAllowed(const Settings& s) {
  return s.FinishMeans == kFinishDiscardAllowed || s.FinishMeans == kFinishDiscardOnly;
}

constexpr int InRangeOr(int value, int low, int high, int repair) {
  return value >= low && value <= high ? value : repair;
}
constexpr int InRangeOr(int value, const RuleRange& range) {
  return InRangeOr(value, range.low, range.high, range.repair);
}

constexpr int NumberOfGamesInUse(const Settings& s) { return InRangeOr(s.NumberOfGames, kNumberOfGamesRange); }
constexpr int MemberGroupInUse(const Settings& s) { return InRangeOr(s.MemberGroup, kMemberGroupRange); }
constexpr int CardKindInUse(const Settings& s) { return InRangeOr(s.CardKind, kCardKindRange); }
constexpr int PenaltyLeavesInUse(const Settings& s) { return InRangeOr(s.PenaltyLeaves, kPenaltyLeavesRange); }
constexpr int RestrictTimeInUse(const Settings& s) { return InRangeOr(s.RestrictTime, kRestrictTimeRange); }
constexpr int JudgmentWaitTimeInUse(const Settings& s) {
  return InRangeOr(s.JudgmentWaitTime, kJudgmentWaitTimeRange);
}
constexpr int GameSpeedInUse(const Settings& s) { return InRangeOr(s.GameSpeed, kGameSpeedRange); }
constexpr int YakitoriModeInUse(const Settings& s) { return InRangeOr(s.YakitoriMode, kYakitoriModeRange); }
constexpr int FinishMeansInUse(const Settings& s) { return InRangeOr(s.FinishMeans, kFinishMeansRange); }

}  // namespace winpiruk

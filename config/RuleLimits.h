#pragma once
// A settings file may hold any value; the record keeps it as read. Whatever
// uses a value as a count, an index or a duration asks here first, so that a
// value out of range behaves as the rule settings window would repair it.
#include "config/Settings.h"

namespace winpiruk {

constexpr int InRangeOr(int value, int low, int high, int repair) {
  return value >= low && value <= high ? value : repair;
}

constexpr int NumberOfGamesInUse(const Settings& s) { return InRangeOr(s.NumberOfGames, 1, 10, 8); }
constexpr int MemberGroupInUse(const Settings& s) { return InRangeOr(s.MemberGroup, 1, 5, 1); }
constexpr int CardKindInUse(const Settings& s) { return InRangeOr(s.CardKind, 0, 9, 0); }
constexpr int PenaltyLeavesInUse(const Settings& s) { return InRangeOr(s.PenaltyLeaves, 1, 5, 2); }
constexpr int RestrictTimeInUse(const Settings& s) { return InRangeOr(s.RestrictTime, 0, 3, 0); }
constexpr int JudgmentWaitTimeInUse(const Settings& s) { return InRangeOr(s.JudgmentWaitTime, 5, 50, 10); }
constexpr int GameSpeedInUse(const Settings& s) { return InRangeOr(s.GameSpeed, 0, 3, 0); }
constexpr int YakitoriModeInUse(const Settings& s) { return InRangeOr(s.YakitoriMode, 0, 4, 0); }

}  // namespace winpiruk
